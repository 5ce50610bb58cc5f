#include "consoleinterrupt.h"

#include <QMetaObject>
#include <windows.h>

namespace tavrolin {

namespace {

ConsoleInterrupt *g_instance = nullptr;
HANDLE g_done = nullptr; // set once the work is done

// Runs on a thread of its own that the system starts. Ctrl+C and Ctrl+Break are taken; for a
// closing window, a logoff or a shutdown the program ends when this returns, so it waits for
// the work to be done, within the time the system gives.
BOOL WINAPI onControl(DWORD event)
{
    QMetaObject::invokeMethod(g_instance, &ConsoleInterrupt::interrupted, Qt::QueuedConnection);
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT)
        return TRUE;
    WaitForSingleObject(g_done, 4000);
    return TRUE;
}

} // namespace

struct ConsoleInterrupt::Platform
{};

ConsoleInterrupt::ConsoleInterrupt() : m_platform(nullptr)
{
    g_instance = this;
    g_done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(onControl, TRUE);
}

ConsoleInterrupt::~ConsoleInterrupt()
{
    SetConsoleCtrlHandler(onControl, FALSE);
    done();
    g_instance = nullptr;
}

void ConsoleInterrupt::done()
{
    if (g_done != nullptr)
        SetEvent(g_done);
}

} // namespace tavrolin
