// The drawing preview reader on arbitrary files. An input that starts with byte FF is the end of
// a DXF drawing of over a megabyte, so the search of the file's last megabyte runs; any other
// input is the whole file.

#include "fuzzcheck.h"
#include "platform/preview/drawingpreviewreader.h"

using namespace tavrolin;

namespace {

// The start of a large DXF drawing: a header section holding one comment line of 1.1 MB, so the
// search from the end begins inside it.
QByteArray largeDrawingStart()
{
    return QByteArrayLiteral("  0\nSECTION\n  2\nHEADER\n999\n") + QByteArray(1100 * 1024, 'x') +
           QByteArrayLiteral("\n  0\nENDSEC\n");
}

// Reading the bytes and reading them from a file give the same; a picture has a sane size.
void checkReading(const QByteArray &file)
{
    const PreviewResult fromBytes = DrawingPreviewReader::readBytes(file);
    const QString path = fuzz::scratchFile("drawing");
    fuzz::writeFile(path, file);
    const PreviewResult fromFile = DrawingPreviewReader::readFile(path);
    FUZZ_CHECK(fromFile.error == fromBytes.error);
    FUZZ_CHECK(fromFile.image == fromBytes.image);
    FUZZ_CHECK(fromBytes.hasImage() != !fromBytes.error.isEmpty());
    if (fromBytes.hasImage()) {
        const QSize size = fromBytes.image.size();
        FUZZ_CHECK(size.width() >= 1 && size.width() <= MaxPreviewSide);
        FUZZ_CHECK(size.height() >= 1 && size.height() <= MaxPreviewSide);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    if (input.startsWith('\xFF')) {
        static const QByteArray start = largeDrawingStart();
        checkReading(start + input.sliced(1));
    } else {
        checkReading(input);
    }
    return 0;
}
