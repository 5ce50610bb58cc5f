// The clip reader on arbitrary files.

#include "fuzzcheck.h"
#include "platform/clip/clipreader.h"

using namespace tavrolin;

namespace {

// A clip read is frames of one sane size, within the frame and memory bounds, each a full
// palette of 8-bit indices.
void checkClip(const Clip &clip)
{
    FUZZ_CHECK(!clip.frames.isEmpty() && clip.frames.size() <= ClipReader::MaxFrames);
    const QSize size = clip.frames.first().size();
    FUZZ_CHECK(size.width() >= 1 && size.width() <= ClipReader::MaxSide);
    FUZZ_CHECK(size.height() >= 1 && size.height() <= ClipReader::MaxSide);
    qint64 decoded = 0;
    for (const QImage &frame : clip.frames) {
        FUZZ_CHECK(frame.size() == size);
        FUZZ_CHECK(frame.format() == QImage::Format_Indexed8);
        FUZZ_CHECK(frame.colorCount() == 256);
        decoded += frame.sizeInBytes() + ClipReader::FrameOverheadBytes;
    }
    FUZZ_CHECK(decoded <= ClipReader::MaxDecodedBytes);
}

} // namespace

// A clip is read from its file, which reads the file's bytes as ClipReader::read does: a second
// reading of the same bytes from memory would double the cost of each input. An error names the
// file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzz::scratchFile("clip.avi");
    fuzz::writeFile(path, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    QString error;
    const std::optional<Clip> clip = ClipReader::readFile(path, &error);
    FUZZ_CHECK(clip.has_value() == error.isEmpty());
    if (clip)
        checkClip(*clip);
    else
        FUZZ_CHECK(error.startsWith(QStringLiteral("clip.avi: ")) && error.size() > 10);
    return 0;
}
