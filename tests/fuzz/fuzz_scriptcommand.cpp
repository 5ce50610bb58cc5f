// The headless script command, in process, on fuzzed input files. The input is the settings
// file, the grid file, the drawing list and the comment template, separated by NUL bytes.

#include "cli/scriptcommand.h"
#include "core/ansicodec.h"
#include "core/drawinglistfile.h"
#include "core/drawingpath.h"
#include "fuzzcheck.h"
#include "generation/gridtextfile.h"
#include "generation/scriptgenerator.h"

#include <QFile>

using namespace tavrolin;

namespace {

const QByteArray kPreviousOutput = QByteArrayLiteral("an earlier script\r\n");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString throughAnsi(const QString &text)
{
    return ansi::decode(ansi::encode(text));
}

// The drawings the script may open, one block each, and the number of rows the script may take
// from the grid: the rows from the top up to the first one without an action.
QStringList expectedBlocks(const QString &gridPath, const QString &listPath, int *rowCount)
{
    GridTextTable grid;
    DrawingListFile list;
    QString error;
    FUZZ_CHECK(readGridTextFile(gridPath, &grid, &error));
    FUZZ_CHECK(readDrawingListFile(listPath, &list, &error));
    *rowCount = ScriptGenerator::reachedRows(grid);
    return list.drawings;
}

// The script file: ".filedia 0", for each drawing its open line and one line per grid row that
// makes a line, never an empty line (an Enter that repeats the last command), the frame line,
// then the comment block ending in the date line. Without a row that makes a line there is no
// block at all.
void checkScript(const QByteArray &bytes, const QStringList &drawings, int rowCount)
{
    FUZZ_CHECK(bytes.endsWith("\r\n"));
    const QString text = ansi::decode(bytes.chopped(2));
    const QString head = QStringLiteral(".filedia 0");
    const QString frame = QStringLiteral("\r\n.filedia 1 \r\n");
    FUZZ_CHECK(text.startsWith(head));
    const qsizetype frameAt = text.indexOf(frame);
    FUZZ_CHECK(frameAt >= 0);
    FUZZ_CHECK(text.endsWith(QStringLiteral(";作成日時2001/12/31 15:00:16\r\n")));
    const QString script = text.sliced(head.size(), frameAt - head.size());
    if (script.isEmpty())
        return;
    FUZZ_CHECK(script.startsWith(QStringLiteral("\r\n")));
    const QStringList lines = script.sliced(2).split(QStringLiteral("\r\n"));
    FUZZ_CHECK(!drawings.isEmpty() && lines.size() % drawings.size() == 0);
    const qsizetype block = lines.size() / drawings.size();
    FUZZ_CHECK(block >= 2 && block <= 1 + rowCount);
    for (qsizetype i = 0; i < drawings.size(); ++i)
        FUZZ_CHECK(lines[i * block] == throughAnsi(openCommand(drawings[i])));
    for (const QString &line : lines)
        FUZZ_CHECK(!line.isEmpty());
}

} // namespace

// Exit status 0 or 2 only; a refusal leaves the existing output as it was.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts =
        QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0');
    const QStringList names = {fuzz::scratchFile("tavrolin.ini"), fuzz::scratchFile("grid.txt"),
                               fuzz::scratchFile("drawings.txt"),
                               fuzz::scratchFile("commentdata.dat")};
    for (qsizetype i = 0; i < names.size(); ++i)
        fuzz::writeFile(names[i], i < parts.size() ? parts[i] : QByteArray());
    const QString output = fuzz::scratchFile("out.scr");
    fuzz::writeFile(output, kPreviousOutput);

    const int status =
        runScriptCommand({QStringLiteral("--settings"), names[0], QStringLiteral("--grid"),
                          names[1], QStringLiteral("--drawings"), names[2],
                          QStringLiteral("--comment"), names[3], QStringLiteral("--now"),
                          QStringLiteral("2001-12-31 15:00:16"), QStringLiteral("-o"), output});
    FUZZ_CHECK(status == 0 || status == 2);
    if (status == 2) {
        FUZZ_CHECK(readAll(output) == kPreviousOutput);
        return 0;
    }
    int rowCount = 0;
    const QStringList drawings = expectedBlocks(names[1], names[2], &rowCount);
    checkScript(readAll(output), drawings, rowCount);
    return 0;
}
