#include "win32desktop.h"

namespace tavrolin::test::win32desktop {

namespace {

struct Search
{
    DWORD processId;
    ProcessWindows found;
};

BOOL CALLBACK consider(HWND window, LPARAM parameter)
{
    auto &search = *reinterpret_cast<Search *>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if (owner != search.processId || !IsWindowVisible(window) || (style & WS_CAPTION) != WS_CAPTION)
        return TRUE;
    (GetWindow(window, GW_OWNER) ? search.found.dialogs : search.found.pages).append(window);
    return TRUE;
}

void send(INPUT input)
{
    SendInput(1, &input, sizeof(INPUT));
    Sleep(20);
}

INPUT mouse(DWORD flags, QPoint screen = {})
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    // Absolute positions run from 0 to 65535 across the screen.
    input.mi.dx = MulDiv(screen.x(), 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y(), 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    return input;
}

INPUT key(WORD virtualKey, WORD unit, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = unit;
    input.ki.dwFlags = flags;
    return input;
}

} // namespace

ProcessWindows windowsOf(DWORD processId)
{
    Search search{processId, {}};
    EnumWindows(consider, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool waitUntil(const std::function<bool()> &condition, int milliseconds)
{
    const ULONGLONG deadline = GetTickCount64() + ULONGLONG(milliseconds);
    while (!condition()) {
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(50);
    }
    return true;
}

QPoint onScreen(HWND window, QPoint client)
{
    POINT point{client.x(), client.y()};
    ClientToScreen(window, &point);
    return {point.x, point.y};
}

void moveMouse(QPoint screen)
{
    send(mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen));
}

void pressLeftButton(QPoint screen)
{
    moveMouse(screen);
    send(mouse(MOUSEEVENTF_LEFTDOWN));
}

void releaseLeftButton()
{
    send(mouse(MOUSEEVENTF_LEFTUP));
}

void click(QPoint screen)
{
    pressLeftButton(screen);
    releaseLeftButton();
}

void type(const QString &text)
{
    for (const QChar unit : text) {
        send(key(0, unit.unicode(), KEYEVENTF_UNICODE));
        send(key(0, unit.unicode(), KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
}

void pressKey(WORD virtualKey, WORD modifier)
{
    if (modifier)
        send(key(modifier, 0, 0));
    send(key(virtualKey, 0, 0));
    send(key(virtualKey, 0, KEYEVENTF_KEYUP));
    if (modifier)
        send(key(modifier, 0, KEYEVENTF_KEYUP));
}

QString windowClass(HWND window)
{
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return QString::fromWCharArray(name, length);
}

} // namespace tavrolin::test::win32desktop
