// The headless script command, in process, on fuzzed input files (see scriptcheck.h), as a whole:
// its arguments, the reading of every file, the script file and its writing. A refusal exits
// with status 2 and leaves the existing output as it was; otherwise the output holds one block
// per drawing. Each input builds what a run of the command builds, a fresh session with room for
// 50 000 drawings included, and writes five files, so this target tries under two hundred inputs
// a second, not the thousand of the others; fuzz_scriptgeneration fuzzes the generation alone.

#include "cli/scriptcommand.h"
#include "core/ansicodec.h"
#include "core/drawinglistfile.h"
#include "core/drawingpath.h"
#include "generation/gridtextfile.h"
#include "generation/scriptgenerator.h"
#include "scriptcheck.h"

#include <QFile>

using namespace tavrolin;

namespace {

const QByteArray kPreviousOutput = QByteArrayLiteral("an earlier script\r\n");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The open line of each drawing the script may open, as the script file's bytes carry it, and
// the number of rows the script may take from the grid: the rows from the top up to the first
// one without an action.
QStringList expectedOpenLines(const QString &gridPath, const QString &listPath, int *rowCount)
{
    GridTextTable grid;
    DrawingListFile list;
    QString error;
    FUZZ_CHECK(readGridTextFile(gridPath, &grid, &error));
    FUZZ_CHECK(readDrawingListFile(listPath, &list, &error));
    *rowCount = ScriptGenerator::reachedRows(grid);
    QStringList lines;
    for (const QString &drawing : std::as_const(list.drawings))
        lines.append(ansi::decode(ansi::encode(openCommand(drawing))));
    return lines;
}

} // namespace

// Exit status 0 or 2 only; a refusal leaves the existing output as it was.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const fuzz::ScriptInput input = fuzz::splitScriptInput(data, size);
    const QString settings = fuzz::scratchCopy("tavrolin.ini", input.settings);
    const QString grid = fuzz::scratchCopy("grid.txt", input.grid);
    const QString drawings = fuzz::scratchCopy("drawings.txt", input.drawings);
    const QString comment = fuzz::scratchCopy("commentdata.dat", input.commentTemplate);
    const QString output = fuzz::scratchCopy("out.scr", kPreviousOutput);

    const int status =
        runScriptCommand({QStringLiteral("--settings"), settings, QStringLiteral("--grid"), grid,
                          QStringLiteral("--drawings"), drawings, QStringLiteral("--comment"),
                          comment, QStringLiteral("--now"), QStringLiteral("2001-12-31 15:00:16"),
                          QStringLiteral("-o"), output});
    FUZZ_CHECK(status == 0 || status == 2);
    const QByteArray bytes = readAll(output);
    if (status == 2) {
        FUZZ_CHECK(bytes == kPreviousOutput);
        return 0;
    }
    int rowCount = 0;
    const QStringList openLines = expectedOpenLines(grid, drawings, &rowCount);
    FUZZ_CHECK(bytes.endsWith(kScriptFileEnd));
    fuzz::checkScriptText(ansi::decode(bytes.chopped(kScriptFileEnd.size())), openLines, rowCount);
    return 0;
}
