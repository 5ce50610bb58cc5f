// Checks 50 000 drawings on this machine's disk, the largest list the wizard takes, and compares
// the time with that of `tavrolin script` on the same list: the check alone, the check with what
// a grid saves (an in-place save, a dated save-as and a DXF save), and both headless commands
// as a user runs them. The drawings lie a hundred to a folder: DWG files, DXF files of 1 KiB and
// every tenth DXF of 64 KiB, of which only the header up to $ACADVER is read; every hundredth
// drawing has a lock file beside it. The files are read from the system's cache (run twice to
// be sure): the figures are those of the check's own work, not of the disk. Besides the wall
// time, the processor time of each (user and system), which other work on the machine disturbs
// less.

#include "core/clock.h"
#include "core/session.h"
#include "core/settingslookup.h"
#include "generation/generationview.h"
#include "generation/scriptgenerator.h"
#include "largejob.h"
#include "preflight/preflightcheck.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <ctime>
#include <memory>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

constexpr int kFolders = Session::kDrawingCapacity / 100;

const QString kSettings =
    u"[上書き保存する]\r\ntype=qsave\r\n[名前を付けて保存する]\r\ntype=saveas\r\n"
    u"[DXF(R12)で保存する]\r\ntype=dxf\r\ntype2=.saveas d r12\r\n"_s;
const QString kGrid = u"図面\tすべて\t上書き保存する\t終了\t終了\n"
                      u"図面\tすべて\t名前を付けて保存する\t日付-1～xの形式\t終了\n"
                      u"図面\tすべて\tDXF(R12)で保存する\t終了\t終了\n"_s;

QByteArray dxf(int size)
{
    QByteArray bytes("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1018\n");
    while (bytes.size() < size)
        bytes += "  9\n$EXTMIN\n 10\n0.0\n 20\n0.0\n";
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The drawings, a list file of them and the inputs of both commands; false when they cannot be
// written.
bool makeDrawings(const QDir &root, QStringList *drawings)
{
    const QByteArray dwg = QByteArray("AC1015") + QByteArray(250, '\0');
    const QByteArray smallDxf = dxf(1024);
    const QByteArray largeDxf = dxf(64 * 1024);
    for (int folder = 0; folder < kFolders; ++folder) {
        const QString path = root.filePath(u"site %1"_s.arg(folder));
        if (!root.mkpath(path))
            return false;
        for (int i = 0; i < 100; ++i) {
            const int d = folder * 100 + i;
            const bool isDxf = d % 2 == 1;
            const QString drawing =
                u"%1/plan-%2.%3"_s.arg(path).arg(d).arg(isDxf ? u"dxf" : u"dwg");
            if (!writeFile(drawing, isDxf ? (d % 20 == 1 ? largeDxf : smallDxf) : dwg) ||
                (d % 100 == 0 && !writeFile(u"%1/plan-%2.dwl"_s.arg(path).arg(d), "lock")))
                return false;
            drawings->append(drawing);
        }
    }
    return writeFile(root.filePath(u"list.txt"_s), drawings->join(u'\n').toUtf8() + '\n') &&
           bench::writeAnsiFile(root.filePath(u"tavrolin.ini"_s), kSettings) &&
           writeFile(root.filePath(u"grid.txt"_s), kGrid.toUtf8());
}

struct Figure
{
    double milliseconds = -1;
    double cpuMilliseconds = -1; // -1 where it cannot be told
};

QTextStream &operator<<(QTextStream &out, const Figure &figure)
{
    return out << qRound(figure.milliseconds) << " ms (CPU " << qRound(figure.cpuMilliseconds)
               << " ms)";
}

double milliseconds(const QElapsedTimer &timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The processor time the finished child processes have taken so far.
double childrenCpuMilliseconds()
{
#ifdef Q_OS_UNIX
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval &t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
#else
    return -1;
#endif
}

template <typename Action>
Figure measure(Action action)
{
    QElapsedTimer timer;
    const std::clock_t cpu = std::clock();
    timer.start();
    action();
    return {milliseconds(timer), double(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC};
}

// What the grid saves, for the list, as the grid page works it out after generating.
ScriptSaves gridSaves(const QDir &root, const QStringList &drawings)
{
    auto session = std::make_unique<Session>();
    for (const QString &path : drawings)
        session->DrawingPaths[session->DrawingCount++] = path;
    SettingsLookup lookup(root.filePath(u"tavrolin.ini"_s));
    GridTextTable grid;
    const QStringList rows = kGrid.split(u'\n', Qt::SkipEmptyParts);
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList cells = rows[row].split(u'\t');
        for (int column = 0; column < kGridColumns; ++column)
            grid.setCellText(row, column, cells[column]);
    }
    GenerationView view;
    ScriptGenerator generator(*session, lookup, grid, view);
    return generator.scriptSaves();
}

// Runs a headless command of the built program on the list, with the grid; its wall and
// processor time, or -1 when it failed.
Figure runCommand(const QDir &root, const QString &command, QStringList arguments)
{
    arguments = QStringList{command,
                            u"--settings"_s,
                            root.filePath(u"tavrolin.ini"_s),
                            u"--grid"_s,
                            root.filePath(u"grid.txt"_s),
                            u"--drawings"_s,
                            root.filePath(u"list.txt"_s)} +
                arguments;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    const double cpuBefore = childrenCpuMilliseconds();
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(TAVROLIN_PROGRAM_DIR "/tavrolin"), arguments);
    const bool ran =
        process.waitForFinished(600000) && process.exitStatus() == QProcess::NormalExit;
    if (!ran || process.exitCode() > 1)
        return {};
    return {milliseconds(timer), childrenCpuMilliseconds() - cpuBefore};
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QDir root(dir.path());
    QStringList drawings;
    if (!makeDrawings(root, &drawings))
        return 1;

    std::optional<PreflightReport> alone;
    const Figure checkAlone = measure([&] {
        alone = PreflightCheck::run({drawings, Release::fromYear(2002), {}});
    });
    PreflightCheck::Input input{drawings, Release::fromYear(2002), {}};
    const Figure saves = measure([&] { input.saves = gridSaves(root, drawings); });
    std::optional<PreflightReport> withGrid;
    const Figure checkWithGrid = measure([&] { withGrid = PreflightCheck::run(input); });
    const Figure script = runCommand(root, u"script"_s, {u"-o"_s, root.filePath(u"out.scr"_s)});
    const Figure preflight = runCommand(root, u"preflight"_s, {u"--release"_s, u"2002"_s});

    QTextStream(stdout) << "drawings:                      " << drawings.size() << " in "
                        << kFolders << " folders\n"
                        << "findings (release 2002):       " << alone->findingCount()
                        << ", with the grid " << withGrid->findingCount() << "\n"
                        << "check without grid:            " << checkAlone << "\n"
                        << "what the grid saves:           " << saves << "\n"
                        << "check with the grid:           " << checkWithGrid << "\n"
                        << "tavrolin script (3 rows):      " << script << "\n"
                        << "tavrolin preflight (3 rows):   " << preflight << "\n"
                        << "preflight / script:            "
                        << preflight.milliseconds / script.milliseconds << " (CPU "
                        << preflight.cpuMilliseconds / script.cpuMilliseconds << ")\n"
                        << "ratio preflight-cpu-50000/2000ms " << preflight.cpuMilliseconds / 2000
                        << " 1\n";
    return script.milliseconds < 0 || preflight.milliseconds < 0 ? 1 : 0;
}
