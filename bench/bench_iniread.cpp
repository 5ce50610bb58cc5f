// Times one settings lookup (the reader opens and scans the file afresh each time) in a
// realistic settings file of a few hundred sections and in a 1 MB file, for a section near the
// end, where a lookup costs most.

#include "core/ansicodec.h"
#include "core/iniread.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// Sections named like the vocabulary: a Japanese display text with a running number.
QString settingsText(int sections)
{
    QString text = u"; 設定ファイル\r\n[shugo]\r\nname=レイヤー,図面\r\n"_s;
    for (int i = 0; i < sections; ++i) {
        text += u"[色を変える%1]\r\n"_s.arg(i);
        text += u"name=赤,黄,緑,シアン,青,マゼンタ,白,灰色,8,9\r\n"_s;
        text += u"type=c\r\n"_s;
    }
    return text;
}

struct Figures
{
    qint64 bytes;
    double microseconds;
};

Figures measure(const QString &path, int sections, int rounds)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {0, 0};
    const QByteArray bytes = ansi::encode(settingsText(sections));
    file.write(bytes);
    file.close();
    const QString section = u"色を変える%1"_s.arg(sections - 1);
    QElapsedTimer timer;
    timer.start();
    qsizetype found = 0;
    for (int i = 0; i < rounds; ++i)
        found += iniread(path, section, u"type"_s).size();
    const double total = static_cast<double>(timer.nsecsElapsed()) / 1e3;
    return {found == rounds ? bytes.size() : -1, total / rounds};
}

} // namespace

int main()
{
    QTemporaryDir dir;
    QTextStream out(stdout);
    const struct
    {
        const char *name;
        int sections;
        int rounds;
    } cases[] = {{"realistic", 300, 2000}, {"1 MB", 13000, 50}};
    for (const auto &c : cases) {
        const Figures figures = measure(dir.filePath(u"tavrolin.ini"_s), c.sections, c.rounds);
        out << c.name << ": " << c.sections << " sections, " << figures.bytes
            << " bytes, one lookup of the last section: " << figures.microseconds << " us\n";
    }
    return 0;
}
