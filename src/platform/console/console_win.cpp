#include "console.h"

#include <io.h>
#include <windows.h>

namespace tavrolin {

namespace {

// True when the standard stream leads to a console, file or pipe.
bool isConnected(DWORD stream)
{
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// The console behind a C stream, or nullptr when the stream goes to a file or pipe.
HANDLE consoleOf(std::FILE *stream)
{
    const int descriptor = _fileno(stream);
    if (descriptor < 0)
        return nullptr;
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(descriptor));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

} // namespace

void useParentConsole()
{
    const bool output = isConnected(STD_OUTPUT_HANDLE);
    const bool error = isConnected(STD_ERROR_HANDLE);
    if ((output && error) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!output && std::freopen("CONOUT$", "w", stdout) == nullptr)
        return;
    if (!error)
        std::freopen("CONOUT$", "w", stderr);
}

void writeConsoleText(std::FILE *stream, const QString &text)
{
    std::fflush(stream);
    if (const HANDLE console = consoleOf(stream)) {
        DWORD written = 0;
        WriteConsoleW(console, reinterpret_cast<const wchar_t *>(text.utf16()),
                      static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace tavrolin
