// The runner's own cost per drawing beside the console's. A stand-in console that ends at once
// (it reads its script, carries out its in-place save and ends) runs a few thousand drawings one
// at a time, started directly with nothing around it, then through the runner as `tavrolin run`
// and the run window use it: the script written, the save watched, the output logged, the
// result recorded. The two take turns over rounds of the list, so that other work on the machine
// weighs on both alike. The difference of the two wall times, per drawing, is the runner's
// overhead (the goal: under 5 ms); the runner's processor time per drawing is printed as well,
// and moves less with other work on the machine. Usage: bench_run [DRAWINGS] (default 2000).

#include "runner/consolerun.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <ctime>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

const QString kConsole = QStringLiteral(TAVROLIN_STANDIN_CONSOLE);
const QString kScript = u"-layer of L13 \r\n.qsave "_s;
constexpr qsizetype kRound = 100; // drawings of a round

QStringList makeDrawings(const QDir &folder, int count)
{
    QStringList drawings;
    for (int i = 0; i < count; ++i) {
        drawings.append(folder.filePath(u"plan%1.dwg"_s.arg(i)));
        QFile file(drawings.last());
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(QByteArray("AC1015") + QByteArray(122, '\0'));
    }
    return drawings;
}

// The console alone: started on each drawing and waited for, its output read.
double consoleAlone(const QStringList &drawings, const QString &script)
{
    QElapsedTimer clock;
    clock.start();
    for (const QString &drawing : drawings) {
        QProcess console;
        console.setProcessChannelMode(QProcess::MergedChannels);
        console.start(kConsole, {u"/i"_s, drawing, u"/s"_s, script});
        console.waitForFinished(-1);
        console.readAll();
    }
    return double(clock.elapsed());
}

struct Figure
{
    double wallMs = 0;
    double processorMs = 0;
    int ok = 0;
};

Figure throughTheRunner(const QDir &folder, const QStringList &drawings, int round)
{
    RunSetup setup;
    setup.command = {kConsole, QString(), 60000};
    setup.jobs = 1;
    setup.resultsPath = folder.filePath(u"results%1.tsv"_s.arg(round));
    setup.logsFolder = folder.filePath(u"logs%1"_s.arg(round));
    setup.drawings = drawings;
    for (qsizetype i = 0; i < drawings.size(); ++i)
        setup.scripts.append(kScript);
    setup.saves = ScriptSaves{true, false, {}};
    ConsoleRun run(setup);
    QEventLoop loop;
    QObject::connect(&run, &ConsoleRun::finished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    const std::clock_t processor = std::clock();
    clock.start();
    QString error;
    if (!run.start(&error)) {
        QTextStream(stderr) << error << '\n';
        return {};
    }
    loop.exec();
    return {double(clock.elapsed()), double(std::clock() - processor) * 1000.0 / CLOCKS_PER_SEC,
            run.progress().okCount()};
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 2000;
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QStringList drawings = makeDrawings(folder, qMax(1, count));
    const QString script = folder.filePath(u"alone.scr"_s);
    QFile scriptFile(script);
    if (drawings.isEmpty() || !scriptFile.open(QIODevice::WriteOnly)) {
        QTextStream(stderr) << "bench_run: cannot write the drawings\n";
        return 1;
    }
    scriptFile.write(kScript.toLatin1() + "\r\n");
    scriptFile.close();

    double alone = 0;
    Figure runner;
    for (int round = 0; round * kRound < drawings.size(); ++round) {
        const QStringList part = drawings.mid(round * kRound, kRound);
        alone += consoleAlone(part, script);
        const Figure figure = throughTheRunner(folder, part, round);
        runner.wallMs += figure.wallMs;
        runner.processorMs += figure.processorMs;
        runner.ok += figure.ok;
    }
    const double n = drawings.size();
    QTextStream out(stdout);
    out.setRealNumberNotation(QTextStream::FixedNotation);
    out.setRealNumberPrecision(2);
    out << "bench_run: " << drawings.size()
        << " drawings, a stand-in console that ends at once, one console at a time\n"
        << "console alone:           " << alone / n << " ms per drawing\n"
        << "through the runner:      " << runner.wallMs / n << " ms per drawing (" << runner.ok
        << " ok)\n"
        << "runner's overhead:       " << (runner.wallMs - alone) / n
        << " ms per drawing (goal: under 5 ms)\n"
        << "runner's processor time: " << runner.processorMs / n << " ms per drawing\n";
    return runner.ok == drawings.size() ? 0 : 1;
}
