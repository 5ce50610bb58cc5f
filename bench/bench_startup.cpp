// How soon the wizard's first window is painted after the process starts, and how much memory
// the wizard then holds while idle. The benchmark starts itself as a child process, which
// starts the wizard exactly as the program does and reports when the first window has been
// painted; the time counts from just before the process was started, so loading and linking
// the libraries count too. Each figure is the best of several starts: the offscreen platform
// always, the X server of DISPLAY as well when there is one (run under xvfb-run).

#include "childprocess.h"
#include "core/programfolder.h"
#include "core/qttranslations.h"
#include "pages/wizard/wizard.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <ctime>
#include <optional>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

constexpr int kStarts = 5;
// How long the wizard idles before its memory is read.
constexpr int kIdleMilliseconds = 1000;

double monotonicMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double ownCpuMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double residentMegabytes()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

// Notes the end of the first paint of a window, then lets the wizard idle and prints
// "MILLISECONDS CPU-MILLISECONDS IDLE-MEGABYTES".
class FirstFrame : public QObject
{
public:
    explicit FirstFrame(double startedAt) : m_startedAt(startedAt) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_seen || event->type() != QEvent::Paint || !watched->isWidgetType() ||
            !static_cast<QWidget *>(watched)->isWindow())
            return false;
        m_seen = true;
        // Queued: the paint of the window and its children is over when the call comes.
        QTimer::singleShot(0, this, [this] {
            const double frame = monotonicMilliseconds() - m_startedAt;
            const double cpu = ownCpuMilliseconds();
            QTimer::singleShot(kIdleMilliseconds, this, [frame, cpu] {
                QTextStream(stdout) << frame << ' ' << cpu << ' ' << residentMegabytes() << '\n';
                std::_Exit(0); // the figures are out; the wizard's end is not measured
            });
        });
        return false;
    }

private:
    double m_startedAt;
    bool m_seen = false;
};

int runChildWizard(int argc, char **argv, double startedAt)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"Tavrolin"_s);
    // The program's own folder, with its settings, pictures and help pages, as a user starts it.
    setProgramFolder(QStringLiteral(TAVROLIN_PROGRAM_DIR));
    const QtTranslations translations;
    FirstFrame firstFrame(startedAt);
    app.installEventFilter(&firstFrame);
    return runWizard();
}

struct Start
{
    double milliseconds = 0;
    double cpuMilliseconds = 0;
    double idleMegabytes = 0;
};

// The fastest of several starts on the platform, or nothing when a start failed.
std::optional<Start> fastestStart(const char *self, const QByteArray &platform)
{
    qputenv("QT_QPA_PLATFORM", platform);
    QTemporaryDir dir;
    std::optional<Start> best;
    for (int i = 0; i < kStarts; ++i) {
        const QString output = dir.filePath(u"figures.txt"_s);
        const QString startedAt = QString::number(monotonicMilliseconds(), 'f', 3);
        if (!bench::runChild(QString::fromLocal8Bit(self), {u"--child"_s, startedAt}, output).ok)
            return std::nullopt;
        QFile file(output);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        const QList<QByteArray> figures = file.readAll().trimmed().split(' ');
        if (figures.size() != 3)
            return std::nullopt;
        const Start start{figures[0].toDouble(), figures[1].toDouble(), figures[2].toDouble()};
        if (!best || start.milliseconds < best->milliseconds)
            best = start;
    }
    return best;
}

bool report(QTextStream &out, const char *self, const QByteArray &platform)
{
    const std::optional<Start> start = fastestStart(self, platform);
    if (!start)
        return false;
    out << "first window painted, " << platform << ": " << start->milliseconds
        << " ms after start (" << start->cpuMilliseconds << " ms CPU), idle memory "
        << start->idleMegabytes << " MB\n"
        << "ratio startup-ms-" << platform << "/300 " << start->milliseconds / 300 << " 1\n"
        << "ratio idle-mb-" << platform << "/55 " << start->idleMegabytes / 55 << " 1\n";
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && QByteArrayView(argv[1]) == "--child")
        return runChildWizard(argc, argv, std::atof(argv[2]));
    QTextStream out(stdout);
    const bool display = !qgetenv("DISPLAY").isEmpty();
    if (!report(out, argv[0], "offscreen") || (display && !report(out, argv[0], "xcb")))
        return 1;
    return 0;
}
