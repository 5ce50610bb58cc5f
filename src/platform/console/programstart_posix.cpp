#include "console.h"
#include "programstart.h"

#include <QFile>
#include <QFileInfo>

namespace tavrolin {

QString executableFolder()
{
    const QString executable = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return executable.isEmpty() ? QString() : QFileInfo(executable).absolutePath();
}

void showStartFailure(const QString &text)
{
    writeConsoleText(stderr, text);
}

} // namespace tavrolin
