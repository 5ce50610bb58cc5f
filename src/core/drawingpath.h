#pragma once

#include <QString>

namespace tavrolin {

// True when the path names a drawing: its file name ends in ".dwg" or ".dxf", in any letter
// case. A folder called "dwg" does not make a text file a drawing.
bool isDrawingPath(const QString &path);

// A path as it is written into a script. In an AutoCAD script every blank acts as Enter, so a
// path that holds a blank is put in double quotes; any other path is written as it stands.
QString scriptPath(const QString &path);

// The script line that opens a drawing: ".open " followed by the path.
QString openCommand(const QString &path);

} // namespace tavrolin
