#include "clipreader.h"

#include "core/inputfile.h"
#include "framedecoder.h"
#include "riffreader.h"

#include <QFileInfo>
#include <QtEndian>
#include <algorithm>

namespace tavrolin {

namespace {

constexpr qsizetype MainHeaderSize = 56;   // AVIMAINHEADER
constexpr qsizetype StreamHeaderSize = 48; // AVISTREAMHEADER up to its frame rectangle
constexpr qsizetype BitmapHeaderSize = 40; // BITMAPINFOHEADER
constexpr quint32 UncompressedCode = 0;
constexpr quint32 Rle8Code = 1;
constexpr quint32 FullPalette = 256;
constexpr qint64 MaxFileBytes = ClipReader::MaxDecodedBytes;

quint32 u32(QByteArrayView data, qsizetype offset)
{
    return qFromLittleEndian<quint32>(data.data() + offset);
}

qint32 i32(QByteArrayView data, qsizetype offset)
{
    return qFromLittleEndian<qint32>(data.data() + offset);
}

quint16 u16(QByteArrayView data, qsizetype offset)
{
    return qFromLittleEndian<quint16>(data.data() + offset);
}

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

// What the headers say about the frames.
struct ClipFormat
{
    quint32 microsecondsPerFrame = 0;
    quint32 totalFrames = 0;
    int width = 0;
    int height = 0;
    FrameDecoder::Compression compression = FrameDecoder::Compression::None;
    QList<QRgb> palette;
};

// The chunks of the header list that matter: the main header and one list per stream.
struct HeaderParts
{
    std::optional<QByteArrayView> mainHeader;
    QList<QByteArrayView> streamLists;
};

// The chunks of one stream list: its stream header and its format.
struct StreamParts
{
    std::optional<QByteArrayView> header;
    std::optional<QByteArrayView> format;
};

struct Sections
{
    std::optional<QByteArrayView> headers;
    std::optional<QByteArrayView> movie;
};

bool findSections(QByteArrayView file, Sections *sections, QString *error)
{
    if (file.size() < 12 || file.first(4) != "RIFF" || file.sliced(8, 4) != "AVI ")
        return fail(error, QStringLiteral("not an AVI file"));
    RiffChunk riff;
    RiffReader top(file);
    if (!top.next(&riff, error))
        return false;
    RiffReader body(riff.listBody());
    while (!body.atEnd()) {
        RiffChunk chunk;
        if (!body.next(&chunk, error))
            return false;
        if (chunk.isList("hdrl") && !sections->headers)
            sections->headers = chunk.listBody();
        else if (chunk.isList("movi") && !sections->movie)
            sections->movie = chunk.listBody();
    }
    if (!sections->headers)
        return fail(error, QStringLiteral("the header list 'hdrl' is missing"));
    if (!sections->movie)
        return fail(error, QStringLiteral("the frame list 'movi' is missing"));
    return true;
}

bool findHeaderParts(QByteArrayView headers, HeaderParts *parts, QString *error)
{
    RiffReader reader(headers);
    while (!reader.atEnd()) {
        RiffChunk chunk;
        if (!reader.next(&chunk, error))
            return false;
        if (chunk.id == "avih" && !parts->mainHeader)
            parts->mainHeader = chunk.data;
        else if (chunk.isList("strl"))
            parts->streamLists.append(chunk.listBody());
    }
    if (!parts->mainHeader)
        return fail(error, QStringLiteral("the main header 'avih' is missing"));
    if (parts->mainHeader->size() < MainHeaderSize)
        return fail(error, QStringLiteral("the main header 'avih' is too short"));
    if (parts->streamLists.isEmpty())
        return fail(error, QStringLiteral("the clip has no stream"));
    return true;
}

bool findStreamParts(QByteArrayView streamList, StreamParts *parts, QString *error)
{
    RiffReader reader(streamList);
    while (!reader.atEnd()) {
        RiffChunk chunk;
        if (!reader.next(&chunk, error))
            return false;
        if (chunk.id == "strh" && !parts->header)
            parts->header = chunk.data;
        else if (chunk.id == "strf" && !parts->format)
            parts->format = chunk.data;
    }
    if (!parts->header)
        return fail(error, QStringLiteral("the stream header 'strh' is missing"));
    if (parts->header->size() < StreamHeaderSize)
        return fail(error, QStringLiteral("the stream header 'strh' is too short"));
    if (!parts->format)
        return fail(error, QStringLiteral("the stream format 'strf' is missing"));
    return true;
}

// Accepts exactly one stream, and it must be video: the animation is silent.
bool findVideoStream(const QList<QByteArrayView> &streamLists, StreamParts *video, QString *error)
{
    QList<StreamParts> streams;
    for (QByteArrayView list : streamLists) {
        if (!findStreamParts(list, &streams.emplaceBack(), error))
            return false;
    }
    const auto isSound = [](const StreamParts &s) { return s.header->first(4) == "auds"; };
    if (std::any_of(streams.cbegin(), streams.cend(), isSound))
        return fail(error, QStringLiteral("the clip contains sound"));
    if (streams.size() > 1)
        return fail(error, QStringLiteral("the clip has %1 streams; only a single video stream "
                                          "is supported")
                               .arg(streams.size()));
    const QByteArrayView type = streams.first().header->first(4);
    if (type != "vids")
        return fail(error,
                    QStringLiteral("the stream of type '%1' is not video").arg(fourccText(type)));
    *video = streams.first();
    return true;
}

bool readFrameGeometry(QByteArrayView bitmap, ClipFormat *format, QString *error)
{
    const quint16 bitCount = u16(bitmap, 14);
    if (bitCount != 8)
        return fail(error, QStringLiteral("%1-bit frames are not supported; only 8-bit "
                                          "palettised frames are")
                               .arg(bitCount));
    const quint32 compression = u32(bitmap, 16);
    if (compression != UncompressedCode && compression != Rle8Code)
        return fail(error, QStringLiteral("compression '%1' is not supported; only "
                                          "uncompressed and RLE8 frames are")
                               .arg(fourccText(bitmap.sliced(16, 4))));
    format->compression =
        compression == Rle8Code ? FrameDecoder::Compression::Rle8 : FrameDecoder::Compression::None;
    const qint32 width = i32(bitmap, 4);
    const qint32 height = i32(bitmap, 8);
    if (height < 0)
        return fail(error, QStringLiteral("top-down frames are not supported"));
    if (width < 1 || height < 1 || width > ClipReader::MaxSide || height > ClipReader::MaxSide)
        return fail(error, QStringLiteral("the frame size %1 × %2 is out of range (1 to %3 "
                                          "pixels a side)")
                               .arg(width)
                               .arg(height)
                               .arg(ClipReader::MaxSide));
    format->width = width;
    format->height = height;
    return true;
}

// The palette follows the bitmap header: biClrUsed entries (0 means all 256) of blue, green,
// red and a reserved byte. It is filled up to 256 entries with black, so that any index in a
// frame has a colour.
bool readPalette(QByteArrayView bitmap, qint64 headerSize, ClipFormat *format, QString *error)
{
    const quint32 used = u32(bitmap, 32);
    const quint32 colours = used == 0 ? FullPalette : used;
    if (colours > FullPalette)
        return fail(
            error,
            QStringLiteral("the palette has %1 colours; at most 256 are allowed").arg(colours));
    if (headerSize + qint64(colours) * 4 > bitmap.size())
        return fail(error, QStringLiteral("the palette is cut short"));
    format->palette.fill(qRgb(0, 0, 0), FullPalette);
    for (quint32 i = 0; i < colours; ++i) {
        const auto *entry = reinterpret_cast<const uchar *>(bitmap.data() + headerSize + i * 4);
        format->palette[i] = qRgb(entry[2], entry[1], entry[0]);
    }
    return true;
}

bool readBitmapFormat(QByteArrayView bitmap, ClipFormat *format, QString *error)
{
    if (bitmap.size() < BitmapHeaderSize)
        return fail(error, QStringLiteral("the stream format 'strf' is too short"));
    const qint64 headerSize = u32(bitmap, 0);
    if (headerSize < BitmapHeaderSize || headerSize > bitmap.size())
        return fail(error, QStringLiteral("the bitmap header in 'strf' has a wrong size"));
    return readFrameGeometry(bitmap, format, error) &&
           readPalette(bitmap, headerSize, format, error);
}

bool readFormat(QByteArrayView headers, ClipFormat *format, QString *error)
{
    HeaderParts parts;
    StreamParts video;
    if (!findHeaderParts(headers, &parts, error) ||
        !findVideoStream(parts.streamLists, &video, error))
        return false;
    format->microsecondsPerFrame = u32(*parts.mainHeader, 0);
    format->totalFrames = u32(*parts.mainHeader, 16);
    return readBitmapFormat(*video.format, format, error);
}

// Collects the coded frames of the movie list in order. Other chunks (padding) are skipped.
// Collecting stops past the frame limit, whatever the header announced.
bool collectFrames(QByteArrayView movie, QList<QByteArrayView> *frames, QString *error)
{
    RiffReader reader(movie);
    while (!reader.atEnd()) {
        if (frames->size() > ClipReader::MaxFrames)
            return fail(
                error,
                QStringLiteral("the clip has more than %1 frames").arg(ClipReader::MaxFrames));
        RiffChunk chunk;
        if (!reader.next(&chunk, error))
            return false;
        if (chunk.isList("rec "))
            return fail(error, QStringLiteral("'rec ' lists are not supported"));
        if (chunk.id.sliced(2) == "pc")
            return fail(error, QStringLiteral("palette changes are not supported"));
        if (chunk.id == "00db" || chunk.id == "00dc")
            frames->append(chunk.data);
    }
    return true;
}

bool checkAnnouncedFrames(const ClipFormat &format, QString *error)
{
    if (format.totalFrames > quint32(ClipReader::MaxFrames))
        return fail(error, QStringLiteral("the main header announces %1 frames; at most %2 are "
                                          "allowed")
                               .arg(format.totalFrames)
                               .arg(ClipReader::MaxFrames));
    return true;
}

bool checkFrameCount(const ClipFormat &format, qsizetype frameCount, QString *error)
{
    if (frameCount == 0)
        return fail(error, QStringLiteral("the clip has no frames"));
    if (frameCount != format.totalFrames)
        return fail(error, QStringLiteral("the main header announces %1 frames, but the clip "
                                          "holds %2")
                               .arg(format.totalFrames)
                               .arg(frameCount));
    const qint64 frameBytes =
        (qint64(format.width) + 3) / 4 * 4 * format.height + ClipReader::FrameOverheadBytes;
    if (frameBytes * frameCount > ClipReader::MaxDecodedBytes)
        return fail(error, QStringLiteral("the decoded clip would take %1 MB; at most %2 MB "
                                          "are allowed")
                               .arg(frameBytes * frameCount / (1024 * 1024))
                               .arg(ClipReader::MaxDecodedBytes / (1024 * 1024)));
    return true;
}

// Each frame is drawn onto a copy of the one before, starting from a frame of colour index 0.
bool decodeFrames(const ClipFormat &format, const QList<QByteArrayView> &frames, Clip *clip,
                  QString *error)
{
    QImage canvas(format.width, format.height, QImage::Format_Indexed8);
    canvas.setColorTable(format.palette);
    canvas.fill(0);
    const FrameDecoder decoder(format.compression);
    for (qsizetype i = 0; i < frames.size(); ++i) {
        if (!decoder.decode(frames[i], &canvas, error)) {
            if (error)
                *error = QStringLiteral("frame %1: %2").arg(i + 1).arg(*error);
            return false;
        }
        clip->frames.append(canvas);
    }
    clip->microsecondsPerFrame = format.microsecondsPerFrame;
    return true;
}

} // namespace

std::optional<Clip> ClipReader::read(QByteArrayView file, QString *error)
{
    Sections sections;
    ClipFormat format;
    QList<QByteArrayView> frames;
    Clip clip;
    if (!findSections(file, &sections, error) || !readFormat(*sections.headers, &format, error) ||
        !checkAnnouncedFrames(format, error) || !collectFrames(*sections.movie, &frames, error) ||
        !checkFrameCount(format, frames.size(), error) ||
        !decodeFrames(format, frames, &clip, error))
        return std::nullopt;
    return clip;
}

std::optional<Clip> ClipReader::readFile(const QString &path, QString *error)
{
    QByteArray bytes;
    QString reason;
    std::optional<Clip> clip;
    if (readInputFile(path, &bytes, &reason, MaxFileBytes))
        clip = read(bytes, &reason);
    if (!clip)
        fail(error, QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), reason));
    return clip;
}

} // namespace tavrolin
