// The drawing list file reader on arbitrary files. The input is the file's bytes. Each drawing
// read names the line it came from, lines in order, and a list written back reads as the same
// drawings.

#include "core/drawinglistfile.h"
#include "core/drawingpath.h"
#include "fuzzcheck.h"

#include <algorithm>

using namespace tavrolin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzz::scratchFile("drawings.txt");
    fuzz::writeFile(path, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    DrawingListFile list;
    QString error;
    if (!readDrawingListFile(path, &list, &error)) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    FUZZ_CHECK(list.drawings.size() == list.lines.size());
    for (qsizetype i = 0; i < list.drawings.size(); ++i) {
        FUZZ_CHECK(!list.drawings[i].trimmed().isEmpty());
        FUZZ_CHECK(list.lines[i] >= 1 && (i == 0 || list.lines[i - 1] < list.lines[i]));
    }

    const QString copy = fuzz::scratchFile("drawings-copy.txt");
    const bool controls = std::any_of(list.drawings.begin(), list.drawings.end(),
                                      [](const QString &d) { return holdsControlCharacter(d); });
    FUZZ_CHECK(writeDrawingListFile(copy, list.drawings, &error) == !controls);
    if (controls)
        return 0;
    DrawingListFile again;
    FUZZ_CHECK(readDrawingListFile(copy, &again, &error));
    FUZZ_CHECK(again.drawings == list.drawings);
    return 0;
}
