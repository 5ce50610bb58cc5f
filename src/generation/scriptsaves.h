#pragma once

#include <QStringList>
#include <vector>

namespace tavrolin {

// What the script does with the drawing files: whether a row saves every drawing in place
// (qsave, asdwg) or as a DXF file beside it under the save command's default name, and which
// drawings its save-as rows write, drawing by drawing, named exactly as the script's lines name
// them. The check of the drawing list holds the files against it.
struct ScriptSaves
{
    bool inPlace = false;
    bool dxf = false;
    // Entry d: the drawings that the save-as rows write for drawing d, in row order.
    std::vector<QStringList> savedAs;
};

} // namespace tavrolin
