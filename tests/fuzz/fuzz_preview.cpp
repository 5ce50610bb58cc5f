// The drawing preview reader on arbitrary files. An input that starts with byte FF is the end of
// a DXF drawing of over a megabyte, so the search of the file's last megabyte runs; any other
// input is the whole file.

#include "fuzzcheck.h"
#include "platform/preview/drawingpreviewreader.h"

using namespace tavrolin;

namespace {

// A large DXF drawing ending in the given bytes: a header section holding one comment line of
// 1.1 MB, so the search from the end begins inside it. The same memory serves every input: a
// fresh megabyte for each would cost more than reading it.
const QByteArray &largeDrawing(QByteArrayView end)
{
    static QByteArray drawing = QByteArrayLiteral("  0\nSECTION\n  2\nHEADER\n999\n") +
                                QByteArray(1100 * 1024, 'x') + QByteArrayLiteral("\n  0\nENDSEC\n");
    static const qsizetype startSize = drawing.size();
    drawing.resize(startSize);
    drawing.append(end);
    return drawing;
}

// A picture read has a sane size, and there is a picture or the reason for none.
void checkResult(const PreviewResult &result)
{
    FUZZ_CHECK(result.hasImage() != !result.error.isEmpty());
    if (result.hasImage()) {
        const QSize size = result.image.size();
        FUZZ_CHECK(size.width() >= 1 && size.width() <= MaxPreviewSide);
        FUZZ_CHECK(size.height() >= 1 && size.height() <= MaxPreviewSide);
    }
}

// Reading the bytes and reading them from a file give the same.
void checkFileReading(const QByteArray &file, const PreviewResult &fromBytes)
{
    const QString path = fuzz::scratchFile("drawing");
    fuzz::writeFile(path, file);
    const PreviewResult fromFile = DrawingPreviewReader::readFile(path);
    FUZZ_CHECK(fromFile.error == fromBytes.error);
    FUZZ_CHECK(fromFile.image == fromBytes.image);
}

} // namespace

// A large drawing is read from memory only: both ways read through the same device interface,
// which the small files compare, and writing a megabyte for each input would be most of its cost.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView input(data, qsizetype(size));
    if (input.startsWith('\xFF')) {
        checkResult(DrawingPreviewReader::readBytes(largeDrawing(input.sliced(1))));
        return 0;
    }
    const QByteArray file = input.toByteArray();
    const PreviewResult fromBytes = DrawingPreviewReader::readBytes(file);
    checkResult(fromBytes);
    checkFileReading(file, fromBytes);
    return 0;
}
