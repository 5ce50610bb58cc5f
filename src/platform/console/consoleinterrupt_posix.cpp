#include "consoleinterrupt.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tavrolin {

namespace {

// The signal handler's only act: a byte into the pipe that the event loop watches.
int g_pipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
}

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

} // namespace

struct ConsoleInterrupt::Platform
{
    QSocketNotifier *notifier = nullptr;
    struct sigaction previous[3] = {};
};

ConsoleInterrupt::ConsoleInterrupt() : m_platform(new Platform)
{
    if (::pipe(g_pipe) != 0)
        return;
    for (const int end : g_pipe)
        ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
    m_platform->notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_platform->notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
        }
        emit interrupted();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i)
        ::sigaction(kSignals[i], &action, &m_platform->previous[i]);
}

ConsoleInterrupt::~ConsoleInterrupt()
{
    if (m_platform->notifier != nullptr) {
        for (int i = 0; i < 3; ++i)
            ::sigaction(kSignals[i], &m_platform->previous[i], nullptr);
        delete m_platform->notifier;
        for (int &end : g_pipe) {
            ::close(end);
            end = -1;
        }
    }
    delete m_platform;
}

void ConsoleInterrupt::done() {}

} // namespace tavrolin
