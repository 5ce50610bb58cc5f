// The grid file reader on arbitrary files. The input is the file's bytes. A grid read is twelve
// rows at most of cells without control characters, and written back it reads as the same grid.

#include "core/drawingpath.h"
#include "fuzzcheck.h"
#include "generation/gridtextfile.h"

using namespace tavrolin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzz::scratchFile("grid.txt");
    fuzz::writeFile(path, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    GridTextTable grid;
    QString error;
    if (!readGridTextFile(path, &grid, &error)) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    bool anyText = false;
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            FUZZ_CHECK(!holdsControlCharacter(grid.cellText(row, column)));
            anyText = anyText || !grid.cellText(row, column).isEmpty();
        }
    }
    FUZZ_CHECK(anyText);

    const QString copy = fuzz::scratchFile("grid-copy.txt");
    FUZZ_CHECK(writeGridTextFile(copy, grid, &error));
    GridTextTable again;
    FUZZ_CHECK(readGridTextFile(copy, &again, &error));
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column)
            FUZZ_CHECK(again.cellText(row, column) == grid.cellText(row, column));
    }
    return 0;
}
