#include "win32windowtyper.h"

#include <windows.h>

namespace tavrolin {

namespace {

// How long the window gets to come to the front.
constexpr ULONGLONG ForegroundTimeoutMilliseconds = 3000;
constexpr DWORD PollMilliseconds = 20;
// The pace of the keys, and the time the target gets to take the last ones before the call
// returns.
constexpr DWORD KeyDelayMilliseconds = 10;
constexpr DWORD SettleMilliseconds = 300;

bool fail(std::wstring *error, const std::wstring &text)
{
    if (error)
        *error = text;
    return false;
}

std::wstring windowTitle(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring title(std::size_t(length) + 1, L'\0');
    title.resize(std::size_t(GetWindowTextW(window, title.data(), length + 1)));
    return title;
}

struct Search
{
    const std::wstring &title;
    HWND exactMatch = nullptr;
    HWND prefixMatch = nullptr;
};

BOOL CALLBACK considerWindow(HWND window, LPARAM parameter)
{
    Search &search = *reinterpret_cast<Search *>(parameter);
    if (!IsWindowVisible(window))
        return TRUE;
    const std::wstring title = windowTitle(window);
    if (title == search.title) {
        search.exactMatch = window;
        return FALSE;
    }
    if (!search.prefixMatch && title.starts_with(search.title))
        search.prefixMatch = window;
    return TRUE;
}

HWND findWindow(const std::wstring &title)
{
    Search search{title};
    EnumWindows(considerWindow, reinterpret_cast<LPARAM>(&search));
    return search.exactMatch ? search.exactMatch : search.prefixMatch;
}

bool waitForForeground(HWND window)
{
    const ULONGLONG deadline = GetTickCount64() + ForegroundTimeoutMilliseconds;
    while (GetForegroundWindow() != window) {
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(PollMilliseconds);
    }
    return true;
}

// Windows lets only the process that owns the foreground hand it on. Joining the input of the
// foreground window's thread for the moment of the switch lifts that lock for us; whether the
// window really came to the front is checked, since typing would otherwise go elsewhere.
bool bringToFront(HWND window)
{
    if (IsIconic(window))
        ShowWindow(window, SW_RESTORE);
    const DWORD ownThread = GetCurrentThreadId();
    const HWND foreground = GetForegroundWindow();
    const DWORD foregroundThread =
        foreground ? GetWindowThreadProcessId(foreground, nullptr) : ownThread;
    const bool joined =
        foregroundThread != ownThread && AttachThreadInput(ownThread, foregroundThread, TRUE);
    BringWindowToTop(window);
    SetForegroundWindow(window);
    if (joined)
        AttachThreadInput(ownThread, foregroundThread, FALSE);
    return waitForForeground(window);
}

bool typeUnits(const std::wstring &text)
{
    for (const wchar_t unit : text) {
        INPUT strokes[2] = {};
        for (INPUT &stroke : strokes) {
            stroke.type = INPUT_KEYBOARD;
            stroke.ki.wScan = unit;
            stroke.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        strokes[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        if (SendInput(2, strokes, sizeof(INPUT)) != 2)
            return false;
        Sleep(KeyDelayMilliseconds);
    }
    Sleep(SettleMilliseconds);
    return true;
}

} // namespace

bool Win32WindowTyper::sendText(const std::wstring &title, const std::wstring &text,
                                std::wstring *error) const
{
    if (title.empty())
        return fail(error, L"no window title given");
    const HWND window = findWindow(title);
    if (!window)
        return fail(error, L"no window titled \"" + title + L"\"");
    if (!bringToFront(window))
        return fail(error, L"the window \"" + title + L"\" did not come to the front");
    if (!typeUnits(text))
        return fail(error, L"the keystrokes were blocked");
    return true;
}

} // namespace tavrolin
