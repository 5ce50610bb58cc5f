#pragma once

#include <QList>
#include <QString>

namespace tavrolin {

class PageWindow;

// The loaded windows of the program, visible or hidden, that are not being closed.
QList<PageWindow *> windowCollection();

// Gives every loaded window the caption "Tavrolin" and the window icon "\ico\sw.ico". A window
// calls it when it loads, so the windows already open get them again. When the icon cannot be
// loaded the windows keep their captions and go without it, and the reason is returned; the
// empty text means all went well.
QString frmtitleset();

// Asks "ウィザードを中止しますか？"; on Yes closes every window, which ends the program.
void wizardcancel();

// Closes every loaded window once; windows already closing are left alone. Closing a wizard
// page calls this in turn, so closing any page closes them all, and the program ends.
void frmallunload();

} // namespace tavrolin
