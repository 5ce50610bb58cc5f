// Generates the script for 50 000 drawings and 12 grid rows, the largest job the wizard takes,
// and compares the time with the floor: copying the same number of bytes. Then makes the script
// file's bytes both ways: the wizard's (the script's text, then the file's text and its bytes)
// and the script command's (the blocks encoded as they come); the two must be the same bytes.

#include "core/clock.h"
#include "core/session.h"
#include "core/settingslookup.h"
#include "generation/generationview.h"
#include "generation/gridtexts.h"
#include "generation/scriptfile.h"
#include "generation/scriptfilebytes.h"
#include "generation/scriptgenerator.h"
#include "largejob.h"

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

void fillGrid(GridTextTable &grid)
{
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column)
            grid.setCellText(row, column, bench::largeJobCell(row, column));
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
    const QString settings = dir.filePath(u"tavrolin.ini"_s);
    if (!bench::writeAnsiFile(settings, bench::largeJobSettings()))
        return 1;

    setClock(std::make_unique<FixedClock>(QDateTime(QDate(2001, 12, 31), QTime(15, 0, 16))));
    auto session = std::make_unique<Session>();
    bench::fillLargeDrawingList(*session);
    SettingsLookup lookup(settings);
    GridTextTable grid;
    fillGrid(grid);
    GenerationView view;
    ScriptGenerator generator(*session, lookup, grid, view);

    QElapsedTimer timer;
    timer.start();
    generator.generateIfChanged();
    const double generation = milliseconds(timer);

    const QString comment = u";一括処理\r\n;作成日時2001/12/31 15:00:16\r\n"_s;
    timer.restart();
    const QByteArray bytes = scriptFileBytes(scriptFileText(session->ScriptText, comment));
    const double encoding = milliseconds(timer);

    timer.restart();
    QByteArray streamed;
    ScriptFileBytes file([&streamed](QByteArrayView piece) { streamed.append(piece); });
    generator.generateInto([&file](QStringView block) { file.addScript(block); });
    file.finish(comment);
    const double streaming = milliseconds(timer);

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
                        << "generation / copy:       " << generation / copy << "\n"
                        << "blocks encoded as made:  " << streaming << " ms, "
                        << (streamed == bytes ? "the same bytes" : "OTHER BYTES") << "\n";
    return target[textBytes / 2] == 'x' && streamed == bytes ? 0 : 1;
}
