// Runs `tavrolin script` on the largest job the wizard takes (largejob.h: 50 000 drawings, 12
// rows) to a file, and compares it with the floor: copying the finished script with `cat`.
// Each figure is the processor time (user and system) of the cheapest of several runs, which
// other work on the machine disturbs least, and the peak resident memory of that run. The last
// lines give each ratio and its goal ("ratio NAME VALUE GOAL"), for CI to print.

#include "childprocess.h"
#include "core/session.h"
#include "generation/gridtexts.h"
#include "largejob.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

constexpr int kRuns = 5;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray gridFile()
{
    QByteArray bytes;
    for (int row = 0; row < kGridRows; ++row) {
        QStringList cells;
        for (int column = 0; column < kGridColumns; ++column)
            cells.append(bench::largeJobCell(row, column));
        bytes += cells.join(u'\t').toUtf8() + '\n';
    }
    return bytes;
}

QByteArray drawingList(int drawings)
{
    QByteArray bytes;
    for (int d = 0; d < drawings; ++d)
        bytes += u"C:\\projects\\site %1\\plan-%2.dwg\n"_s.arg(d / 100).arg(d).toUtf8();
    return bytes;
}

bench::ChildCost script(const QDir &root, const QString &list, const QString &output)
{
    return bench::cheapest(kRuns, [&] {
        return bench::runChild(QStringLiteral(TAVROLIN_PROGRAM_DIR "/tavrolin"),
                               {u"script"_s, u"--settings"_s, root.filePath(u"tavrolin.ini"_s),
                                u"--grid"_s, root.filePath(u"grid.txt"_s), u"--drawings"_s,
                                root.filePath(list), u"--comment"_s,
                                root.filePath(u"comment.txt"_s), u"--now"_s,
                                u"2001-12-31 15:00:16"_s, u"-o"_s, root.filePath(output)});
    });
}

QString megabytes(double value)
{
    return QString::number(value, 'f', 1) + u" MB"_s;
}

QString milliseconds(double value)
{
    return QString::number(value, 'f', 1) + u" ms"_s;
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QDir root(dir.path());
    if (!bench::writeAnsiFile(root.filePath(u"tavrolin.ini"_s), bench::largeJobSettings()) ||
        !bench::writeAnsiFile(root.filePath(u"comment.txt"_s), u";一括処理\r\n"_s) ||
        !writeFile(root.filePath(u"grid.txt"_s), gridFile()) ||
        !writeFile(root.filePath(u"large.txt"_s), drawingList(Session::kDrawingCapacity)) ||
        !writeFile(root.filePath(u"small.txt"_s), drawingList(Session::kDrawingCapacity / 10)))
        return 1;

    const bench::ChildCost large = script(root, u"large.txt"_s, u"large.scr"_s);
    const bench::ChildCost small = script(root, u"small.txt"_s, u"small.scr"_s);
    const bench::ChildCost copy = bench::cheapest(kRuns, [&] {
        return bench::runChild(u"/bin/cat"_s, {root.filePath(u"large.scr"_s)},
                               root.filePath(u"copy.scr"_s));
    });
    if (!large.ok || !small.ok || !copy.ok)
        return 1;
    const double scriptMegabytes =
        double(QFileInfo(root.filePath(u"large.scr"_s)).size()) / (1024.0 * 1024.0);

    QTextStream out(stdout);
    out << "script of 50 000 drawings x 12 rows: " << megabytes(scriptMegabytes) << "\n"
        << "tavrolin script, 50 000 drawings:    " << milliseconds(large.cpuMilliseconds)
        << " CPU, peak " << megabytes(large.peakMegabytes) << "\n"
        << "tavrolin script, 5 000 drawings:     " << milliseconds(small.cpuMilliseconds)
        << " CPU, peak " << megabytes(small.peakMegabytes) << "\n"
        << "cat of the script to a file:         " << milliseconds(copy.cpuMilliseconds) << " CPU\n"
        << "ratio script-cpu/cat-cpu " << large.cpuMilliseconds / copy.cpuMilliseconds << " 10\n"
        << "ratio script-peak/script-size " << large.peakMegabytes / scriptMegabytes << " 4\n"
        << "ratio script-cpu-50000/5000 " << large.cpuMilliseconds / small.cpuMilliseconds
        << " 10\n";
    return 0;
}
