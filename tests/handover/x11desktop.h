#pragma once

#include <QProcess>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace tavrolin::test {

// A private X display for tests that need real windows: Xvfb on a free display, a window
// manager that activates windows on request, and terminal windows that record the bytes typed
// into them. Every process it started is stopped when it goes away, last started first.
class X11Desktop
{
public:
    ~X11Desktop();

    // Each start function returns a description of what went wrong, or nothing on success.
    // startServer points DISPLAY of this process, and so of every program it starts, at the
    // private display.
    std::optional<QString> startServer();
    std::optional<QString> startWindowManager();
    // A terminal titled title whose keyboard input, taken raw (a carriage return stays a
    // carriage return), is appended to recordFile. instanceName names the window for the wait.
    std::optional<QString> startRecordingWindow(const QString &title, const QString &instanceName,
                                                const QString &recordFile);

    QString displayName() const { return m_displayName; }

private:
    QProcess *
    start(const QString &program, const QStringList &arguments,
          const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());
    static bool succeeds(const QString &program, const QStringList &arguments);

    QString m_displayName;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

} // namespace tavrolin::test
