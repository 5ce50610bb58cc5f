// Runs `tavrolin check` on settings files of many sections, each named by the list of the one
// before it, so the check follows every one: 5 000 and 50 000 sections. The check must grow no
// faster than the file: the processor time of the larger is about ten times the smaller's.

#include "childprocess.h"
#include "largejob.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

constexpr int kRuns = 3;

QString chainedSections(int count)
{
    QString text = u"[shugo]\r\nname=s0\r\n[aplicationname]\r\nname=AutoCAD\r\n"_s;
    for (int i = 0; i < count; ++i)
        text += u"[s%1]\r\nname=s%2\r\ntype=0\r\n"_s.arg(i).arg(i + 1);
    return text;
}

// `tavrolin check` finds problems in these files and says so by its exit status, which the
// benchmark does not judge: the cost of the check alone counts.
bench::ChildCost check(const QString &path)
{
    return bench::cheapest(kRuns, [&] {
        bench::ChildCost cost =
            bench::runChild(u"/bin/sh"_s, {u"-c"_s, u"\"$0\" check \"$1\"; true"_s,
                                           QStringLiteral(TAVROLIN_PROGRAM_DIR "/tavrolin"), path});
        return cost;
    });
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QDir root(dir.path());
    const QString small = root.filePath(u"small.ini"_s);
    const QString large = root.filePath(u"large.ini"_s);
    if (!bench::writeAnsiFile(small, chainedSections(5000)) ||
        !bench::writeAnsiFile(large, chainedSections(50000)))
        return 1;
    const bench::ChildCost smallCost = check(small);
    const bench::ChildCost largeCost = check(large);
    if (!smallCost.ok || !largeCost.ok)
        return 1;
    QTextStream(stdout) << "tavrolin check, 5 000 sections:  " << smallCost.cpuMilliseconds
                        << " ms CPU\n"
                        << "tavrolin check, 50 000 sections: " << largeCost.cpuMilliseconds
                        << " ms CPU\n"
                        << "ratio check-cpu-50000-sections/1000ms "
                        << largeCost.cpuMilliseconds / 1000 << " 1\n"
                        << "ratio check-cpu-50000/5000 "
                        << largeCost.cpuMilliseconds / smallCost.cpuMilliseconds << " 10\n";
    return 0;
}
