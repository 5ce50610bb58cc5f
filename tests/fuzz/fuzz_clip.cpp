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

// Reading the bytes and reading them from a file agree; the file's error names the file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    QString error;
    const std::optional<Clip> clip = ClipReader::read(bytes, &error);
    FUZZ_CHECK(clip.has_value() == error.isEmpty());
    if (clip)
        checkClip(*clip);
    const QString path = fuzz::scratchFile("clip.avi");
    fuzz::writeFile(path, bytes.toByteArray());
    QString fileError;
    const std::optional<Clip> fromFile = ClipReader::readFile(path, &fileError);
    FUZZ_CHECK(fromFile.has_value() == clip.has_value());
    FUZZ_CHECK(clip ? fromFile->frames == clip->frames
                    : fileError == QStringLiteral("clip.avi: ") + error);
    return 0;
}
