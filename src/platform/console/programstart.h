#pragma once

#include <QString>

namespace tavrolin {

// The folder that holds the running executable, known before any application object exists
// (QCoreApplication::applicationDirPath() needs one). Empty when the system cannot tell.
QString executableFolder();

// Tells the user that the program cannot start: on standard error and, on Windows, where the
// windowed program's standard error leads nowhere unless redirected, in a message box then.
void showStartFailure(const QString &text);

} // namespace tavrolin
