#pragma once

#include <QObject>

namespace tavrolin {

// Tells a headless command that its user wants it to end: Ctrl+C or Ctrl+Break, or closing the
// console window on Windows; SIGINT, SIGTERM or SIGHUP elsewhere. interrupted() arrives in the
// command's event loop, which ends its work there. Windows ends a program whose console window
// closes a few seconds later; until then, or until done() is called, the program may still
// finish its work. One at a time.
class ConsoleInterrupt : public QObject
{
    Q_OBJECT

public:
    ConsoleInterrupt();
    ~ConsoleInterrupt() override;
    ConsoleInterrupt(const ConsoleInterrupt &) = delete;
    ConsoleInterrupt &operator=(const ConsoleInterrupt &) = delete;

    // The work is done: a closing console window need not wait any longer.
    void done();

signals:
    void interrupted();

private:
    struct Platform;
    Platform *m_platform;
};

} // namespace tavrolin
