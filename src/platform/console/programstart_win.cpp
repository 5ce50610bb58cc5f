#include "console.h"
#include "programstart.h"

#include <QFileInfo>
#include <vector>
#include <windows.h>

namespace tavrolin {

QString executableFolder()
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), size);
        if (length == 0)
            return QString();
        // A name that filled the whole buffer may have been cut.
        if (length < size)
            return QFileInfo(QString::fromWCharArray(buffer.data(), length)).absolutePath();
        buffer.resize(buffer.size() * 2);
    }
}

void showStartFailure(const QString &text)
{
    writeConsoleText(stderr, text);
    // Started from Explorer or a command prompt, the windowed program's standard error leads
    // nowhere; redirected, it is read there (a batch file, a test).
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error != nullptr && error != INVALID_HANDLE_VALUE &&
        GetFileType(error) != FILE_TYPE_UNKNOWN)
        return;
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.trimmed().utf16()), L"Tavrolin",
                MB_OK | MB_ICONERROR);
}

} // namespace tavrolin
