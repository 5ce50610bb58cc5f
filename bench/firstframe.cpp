// Preloaded into the program by bench_startup (LD_PRELOAD): notes the end of the first paint of
// a window, then lets the wizard idle and prints "MILLISECONDS CPU-MILLISECONDS IDLE-MEGABYTES"
// on standard output. The milliseconds count from TAVROLIN_BENCH_STARTED_AT, the monotonic
// clock's time just before the program was started. Links QtCore only, so the program loads its
// window libraries as it always does, with its wizard module.

#include "clocks.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTextStream>
#include <QTimer>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// How long the wizard idles before its memory is read.
constexpr int kIdleMilliseconds = 1000;

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

class FirstFrame : public QObject
{
public:
    explicit FirstFrame(double startedAt) : m_startedAt(startedAt) {}

protected:
    // A widget without a parent is a window; its own paint comes before its children's.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_seen || event->type() != QEvent::Paint || !watched->isWidgetType() ||
            watched->parent() != nullptr)
            return false;
        m_seen = true;
        // Queued: the paint of the window and its children is over when the call comes.
        QTimer::singleShot(0, this, [this] {
            const double frame = tavrolin::bench::monotonicMilliseconds() - m_startedAt;
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            const double cpu = tavrolin::bench::cpuMilliseconds(usage);
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

// Runs when the program makes its application object.
void watchFirstFrame()
{
    bool given = false;
    const double startedAt = qEnvironmentVariable("TAVROLIN_BENCH_STARTED_AT").toDouble(&given);
    if (given)
        QCoreApplication::instance()->installEventFilter(new FirstFrame(startedAt));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstFrame)
