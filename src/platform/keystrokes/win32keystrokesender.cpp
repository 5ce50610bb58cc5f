#include "win32keystrokesender.h"

#include "win32windowtyper.h"

namespace tavrolin {

bool Win32KeystrokeSender::sendText(const QString &windowTitle, const QString &text, QString *error)
{
    std::wstring reason;
    if (Win32WindowTyper().sendText(windowTitle.toStdWString(), text.toStdWString(), &reason))
        return true;
    if (error)
        *error = QString::fromStdWString(reason);
    return false;
}

std::unique_ptr<KeystrokeSender> createPlatformKeystrokeSender()
{
    return std::make_unique<Win32KeystrokeSender>();
}

} // namespace tavrolin
