#include "x11desktop.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <csignal>
#include <sys/prctl.h>

namespace tavrolin::test {

namespace {

// Generous: the machine may be busy building while the tests run.
constexpr int StartTimeoutMilliseconds = 30000;

} // namespace

X11Desktop::~X11Desktop()
{
    while (!m_processes.empty()) {
        QProcess &process = *m_processes.back();
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
        m_processes.pop_back();
    }
}

QProcess *X11Desktop::start(const QString &program, const QStringList &arguments,
                            const QProcessEnvironment &environment)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment);
    // Should the test die before it stops them, the programs go too.
    process->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process->setProgram(program);
    process->setArguments(arguments);
    process->start();
    if (!process->waitForStarted(StartTimeoutMilliseconds))
        return nullptr;
    m_processes.push_back(std::move(process));
    return m_processes.back().get();
}

bool X11Desktop::succeeds(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(StartTimeoutMilliseconds) &&
           process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Xvfb picks a free display itself and writes its number once it accepts connections.
std::optional<QString> X11Desktop::startServer()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        return QStringLiteral("Xvfb is not installed");
    QProcess *server =
        start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                     QStringLiteral("tcp"), QStringLiteral("-noreset"), QStringLiteral("-screen"),
                     QStringLiteral("0"), QStringLiteral("1024x768x24")});
    if (!server)
        return QStringLiteral("Xvfb did not start");
    if (!QTest::qWaitFor(
            [server] { return server->canReadLine() || server->state() == QProcess::NotRunning; },
            StartTimeoutMilliseconds) ||
        !server->canReadLine())
        return QStringLiteral("Xvfb did not open a display: %1")
            .arg(QString::fromLocal8Bit(server->readAllStandardError()));
    m_displayName = QLatin1Char(':') + QString::fromLatin1(server->readLine().trimmed());
    qputenv("DISPLAY", m_displayName.toLocal8Bit());
    // The number may come before the server takes clients; wait until one gets through.
    if (!QTest::qWaitFor(
            [] {
                return succeeds(QStringLiteral("xdotool"), {QStringLiteral("getmouselocation")});
            },
            StartTimeoutMilliseconds))
        return QStringLiteral("Xvfb does not take clients on %1").arg(m_displayName);
    return std::nullopt;
}

// matchbox-window-manager announces itself through the EWMH root properties, which
// "xdotool get_num_desktops" reads; without a window manager it fails.
std::optional<QString> X11Desktop::startWindowManager()
{
    QProcess *manager = start(QStringLiteral("matchbox-window-manager"), {});
    if (!manager)
        return QStringLiteral("matchbox-window-manager did not start");
    if (!QTest::qWaitFor(
            [] {
                return succeeds(QStringLiteral("xdotool"), {QStringLiteral("get_num_desktops")});
            },
            StartTimeoutMilliseconds))
        return QStringLiteral("the window manager did not come up (is xdotool installed?): %1")
            .arg(QString::fromLocal8Bit(manager->readAllStandardError()));
    return std::nullopt;
}

std::optional<QString> X11Desktop::startRecordingWindow(const QString &title,
                                                        const QString &instanceName,
                                                        const QString &recordFile)
{
    const QString xterm = QStandardPaths::findExecutable(QStringLiteral("xterm"));
    if (xterm.isEmpty())
        return QStringLiteral("xterm is not installed");
    // The ready file appears once the terminal is raw, so no keystroke is cooked before that.
    const QString recorder =
        QStringLiteral("stty raw -echo && : > \"$0.ready\" && exec cat >> \"$0\"");
    // A UTF-8 locale makes the terminal pass Japanese on as UTF-8.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    if (!start(xterm,
               {QStringLiteral("-name"), instanceName, QStringLiteral("-title"), title,
                QStringLiteral("-e"), QStringLiteral("sh"), QStringLiteral("-c"), recorder,
                recordFile},
               environment))
        return QStringLiteral("xterm did not start");
    const QStringList search = {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                QStringLiteral("--classname"),
                                QLatin1Char('^') + instanceName + QLatin1Char('$')};
    if (!QTest::qWaitFor(
            [&] {
                return QFile::exists(recordFile + QStringLiteral(".ready")) &&
                       succeeds(QStringLiteral("xdotool"), search);
            },
            StartTimeoutMilliseconds))
        return QStringLiteral("the window \"%1\" did not appear").arg(title);
    return std::nullopt;
}

} // namespace tavrolin::test
