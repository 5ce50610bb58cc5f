#pragma once

#include <QPoint>
#include <QStringList>
#include <windows.h>

namespace tavrolin::test {

// Drags files onto a point of the screen as a file manager does: the left button goes down on
// a window of the drag's own, OLE's drag loop follows the mouse to the target and the button is
// released there. The files travel as CF_HDROP, the form Explorer gives them.
class Win32FileDrag
{
public:
    // Returns the effect that the drop target chose, DROPEFFECT_NONE when it refused the files.
    static DWORD drag(const QStringList &paths, QPoint target);
};

} // namespace tavrolin::test
