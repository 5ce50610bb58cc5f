// Generates the script for 50 000 drawings and 12 grid rows, the largest job the wizard takes,
// and compares the time with the floor: copying the same number of bytes.

#include "core/ansicodec.h"
#include "core/clock.h"
#include "core/drawingpath.h"
#include "core/session.h"
#include "core/settingslookup.h"
#include "generation/generationview.h"
#include "generation/gridtexts.h"
#include "generation/scriptfile.h"
#include "generation/scriptgenerator.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstring>
#include <memory>
#include <vector>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

const QString kSettings =
    u"[表示しない]\r\ntype=off\r\n[色を変える]\r\ntype=c\r\n"
    u"[名前を付けて保存する]\r\ntype=saveas\r\n[ズームする]\r\ntype=zoom\r\n"_s;

void fillGrid(GridTextTable &grid)
{
    const QStringList rows[] = {
        {u"レイヤー"_s, u"L13"_s, u"表示しない"_s, u"終了"_s, u"終了"_s},
        {u"レイヤー"_s, u"壁"_s, u"色を変える"_s, u"1"_s, u"終了"_s},
        {u"図面"_s, u"すべて"_s, u"ズームする"_s, u"オブジェクト範囲で"_s, u"終了"_s},
        {u"図面"_s, u"すべて"_s, u"名前を付けて保存する"_s, u"日付-1～xの形式"_s, u"終了"_s},
    };
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column)
            grid.setCellText(row, column, rows[row % 4][column]);
    }
}

double milliseconds(const QElapsedTimer &timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main()
{
    QTemporaryDir dir;
    QFile settings(dir.filePath(u"tavrolin.ini"_s));
    if (!settings.open(QIODevice::WriteOnly) || settings.write(ansi::encode(kSettings)) < 0)
        return 1;
    settings.close();

    auto session = std::make_unique<Session>();
    for (int d = 0; d < Session::kDrawingCapacity; ++d) {
        const QString path = u"C:\\projects\\site %1\\plan-%2.dwg"_s.arg(d / 100).arg(d);
        session->DrawingPaths[d] = path;
        session->OpenCommands[d] = openCommand(path);
    }
    session->DrawingCount = Session::kDrawingCapacity;
    SettingsLookup lookup(settings.fileName());
    GridTextTable grid;
    fillGrid(grid);
    GenerationView view;
    ScriptGenerator generator(*session, lookup, grid, view);

    QElapsedTimer timer;
    timer.start();
    generator.generateIfChanged();
    const double generation = milliseconds(timer);

    timer.restart();
    const QByteArray bytes = scriptFileBytes(scriptFileText(session->ScriptText, QString()));
    const double encoding = milliseconds(timer);

    // The floor: copying as many bytes as the script text holds in memory.
    const auto textBytes = static_cast<size_t>(session->ScriptText.size()) * sizeof(char16_t);
    std::vector<char> source(textBytes, 'x');
    std::vector<char> target(textBytes);
    timer.restart();
    std::memcpy(target.data(), source.data(), textBytes);
    const double copy = milliseconds(timer);

    QTextStream(stdout) << "drawings x rows:         " << session->DrawingCount << " x "
                        << kGridRows << "\n"
                        << "script text:             " << session->ScriptText.size()
                        << " characters, " << bytes.size() << " bytes in code page 932\n"
                        << "generation:              " << generation << " ms\n"
                        << "file text and encoding:  " << encoding << " ms\n"
                        << "copy of " << textBytes << " bytes: " << copy << " ms\n"
                        << "generation / copy:       " << generation / copy << "\n";
    return target[textBytes / 2] == 'x' ? 0 : 1;
}
