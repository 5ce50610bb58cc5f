#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <windows.h>

namespace tavrolin::test {

// The desktop as a user meets it, for driving another program from outside: its windows, the
// mouse and the keyboard. Input goes through SendInput, the way real devices' input arrives.
namespace win32desktop {

// The visible windows with a caption that belong to a process: its pages (windows of their
// own) and its dialogs (message boxes, the save dialog, which have an owner window).
struct ProcessWindows
{
    QList<HWND> pages;
    QList<HWND> dialogs;
};
ProcessWindows windowsOf(DWORD processId);

// Waits until the condition holds, checking every few milliseconds; false when time ran out.
bool waitUntil(const std::function<bool()> &condition, int milliseconds);

// A point of a window's client area on the screen.
QPoint onScreen(HWND window, QPoint client);

void moveMouse(QPoint screen);
void click(QPoint screen);
void pressLeftButton(QPoint screen);
void releaseLeftButton();

// Types the characters as text, whatever the keyboard layout.
void type(const QString &text);
void pressKey(WORD virtualKey, WORD modifier = 0);

QString windowClass(HWND window);

} // namespace win32desktop

} // namespace tavrolin::test
