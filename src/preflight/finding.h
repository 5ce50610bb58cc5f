#pragma once

#include <QList>
#include <QString>

namespace tavrolin {

// A problem that would stop or derail the script at one drawing, found before AutoCAD meets it.
struct Finding
{
    enum class Code {
        Missing,      // the file no longer exists or cannot be read
        NotDrawing,   // its content is no DWG or DXF drawing
        TooNew,       // its format is newer than the release that runs the script opens
        ReadOnly,     // read-only, and a row saves the drawing in place
        Locked,       // a lock file of an AutoCAD session lies beside it
        Duplicate,    // the same file is listed earlier
        TargetExists, // a save row would write over an existing file: AutoCAD would ask
        TargetInList, // a save-as row would write over a drawing of the list
    };

    Code code;
    QString message; // in Japanese, without the drawing's path

    // The code as the headless command prints it: "missing", "not-drawing", …
    QString codeName() const;
};

// The findings of one drawing, in the order of the codes.
using DrawingFindings = QList<Finding>;

} // namespace tavrolin
