// How soon the wizard's first window is painted after the process starts, and how much memory
// the wizard then holds while idle. The benchmark starts the program itself, build/bin/tavrolin,
// with a small library preloaded (firstframe.cpp) that reports when the first window has been
// painted; the time counts from just before the process was started, so loading and linking the
// executable and its wizard module count too. Each figure is the best of several starts: the
// offscreen platform always, the X server of DISPLAY as well when there is one (run under
// xvfb-run).

#include "childprocess.h"
#include "clocks.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdlib>
#include <optional>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

constexpr int kStarts = 5;

struct Start
{
    double milliseconds = 0;
    double cpuMilliseconds = 0;
    double idleMegabytes = 0;
};

// The fastest of several starts on the platform, or nothing when a start failed.
std::optional<Start> fastestStart(const QByteArray &platform)
{
    qputenv("QT_QPA_PLATFORM", platform);
    QTemporaryDir dir;
    std::optional<Start> best;
    for (int i = 0; i < kStarts; ++i) {
        const QString output = dir.filePath(u"figures.txt"_s);
        qputenv("TAVROLIN_BENCH_STARTED_AT",
                QByteArray::number(bench::monotonicMilliseconds(), 'f', 3));
        if (!bench::runChild(TAVROLIN_PROGRAM_DIR "/tavrolin"_L1, {}, output).ok)
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

bool report(QTextStream &out, const QByteArray &platform)
{
    const std::optional<Start> start = fastestStart(platform);
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

int main()
{
    QTextStream out(stdout);
    // The program's children inherit the preloaded library; the benchmark itself does not.
    qputenv("LD_PRELOAD", TAVROLIN_BENCH_FIRST_FRAME);
    const bool display = !qgetenv("DISPLAY").isEmpty();
    if (!report(out, "offscreen") || (display && !report(out, "xcb")))
        return 1;
    return 0;
}
