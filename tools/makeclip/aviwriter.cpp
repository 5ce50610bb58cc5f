#include "aviwriter.h"

#include "frameencoder.h"
#include "riffwriter.h"

#include <QSaveFile>

namespace tavrolin {

namespace {

constexpr quint32 HasIndex = 0x10; // AVIF_HASINDEX
constexpr quint32 KeyFrame = 0x10; // AVIIF_KEYFRAME
constexpr quint32 OneSecond = 1000000;

} // namespace

AviWriter::AviWriter(const QList<QImage> &frames, Encoding encoding, quint32 microsecondsPerFrame)
    : m_size(frames.first().size()), m_palette(frames.first().colorTable()), m_encoding(encoding),
      m_microsecondsPerFrame(microsecondsPerFrame)
{
    for (const QImage &frame : frames) {
        m_codedFrames.append(encoding == Encoding::Rle8 ? FrameEncoder::rle8(frame)
                                                        : FrameEncoder::uncompressed(frame));
    }
}

QByteArray AviWriter::mainHeader() const
{
    const quint32 frameCount = quint32(m_codedFrames.size());
    QByteArray data;
    RiffWriter::appendU32(&data, m_microsecondsPerFrame);
    RiffWriter::appendU32(&data, quint32(quint64(largestFrame()) * OneSecond /
                                         qMax<quint32>(1, m_microsecondsPerFrame)));
    RiffWriter::appendU32(&data, 0); // padding granularity
    RiffWriter::appendU32(&data, HasIndex);
    RiffWriter::appendU32(&data, frameCount);
    RiffWriter::appendU32(&data, 0); // initial frames
    RiffWriter::appendU32(&data, 1); // streams
    RiffWriter::appendU32(&data, largestFrame());
    RiffWriter::appendU32(&data, quint32(m_size.width()));
    RiffWriter::appendU32(&data, quint32(m_size.height()));
    data.append(16, '\0'); // reserved
    return RiffWriter::chunk("avih", data);
}

QByteArray AviWriter::streamList() const
{
    QByteArray header("vids");
    header.append(m_encoding == Encoding::Rle8 ? "RLE " : "DIB ");
    RiffWriter::appendU32(&header, 0);                      // flags
    RiffWriter::appendU16(&header, 0);                      // priority
    RiffWriter::appendU16(&header, 0);                      // language
    RiffWriter::appendU32(&header, 0);                      // initial frames
    RiffWriter::appendU32(&header, m_microsecondsPerFrame); // scale: rate / scale = frames per s
    RiffWriter::appendU32(&header, OneSecond);
    RiffWriter::appendU32(&header, 0); // start
    RiffWriter::appendU32(&header, quint32(m_codedFrames.size()));
    RiffWriter::appendU32(&header, largestFrame());
    RiffWriter::appendU32(&header, quint32(-1)); // quality: default
    RiffWriter::appendU32(&header, 0);           // sample size: varies
    RiffWriter::appendU16(&header, 0);           // frame rectangle
    RiffWriter::appendU16(&header, 0);
    RiffWriter::appendU16(&header, quint16(m_size.width()));
    RiffWriter::appendU16(&header, quint16(m_size.height()));
    return RiffWriter::list("LIST", "strl",
                            RiffWriter::chunk("strh", header) +
                                RiffWriter::chunk("strf", bitmapFormat()));
}

// BITMAPINFOHEADER followed by the palette (blue, green, red, 0).
QByteArray AviWriter::bitmapFormat() const
{
    QByteArray format;
    RiffWriter::appendU32(&format, 40);
    RiffWriter::appendU32(&format, quint32(m_size.width()));
    RiffWriter::appendU32(&format, quint32(m_size.height()));
    RiffWriter::appendU16(&format, 1); // planes
    RiffWriter::appendU16(&format, 8); // bits per pixel
    RiffWriter::appendU32(&format, m_encoding == Encoding::Rle8 ? 1 : 0);
    RiffWriter::appendU32(&format, largestFrame());
    RiffWriter::appendU32(&format, 0); // pixels per metre
    RiffWriter::appendU32(&format, 0);
    RiffWriter::appendU32(&format, quint32(m_palette.size()));
    RiffWriter::appendU32(&format, 0); // all colours important
    for (QRgb colour : m_palette) {
        const char entry[4] = {char(qBlue(colour)), char(qGreen(colour)), char(qRed(colour)), 0};
        format.append(entry, sizeof entry);
    }
    return format;
}

QByteArray AviWriter::movieList() const
{
    QByteArray body;
    for (const QByteArray &frame : m_codedFrames)
        body.append(RiffWriter::chunk(frameChunkId(), frame));
    return RiffWriter::list("LIST", "movi", body);
}

// Offsets count from the "movi" list type, so the first frame's chunk is at offset 4.
QByteArray AviWriter::index() const
{
    QByteArray entries;
    quint32 offset = 4;
    for (const QByteArray &frame : m_codedFrames) {
        entries.append(frameChunkId());
        RiffWriter::appendU32(&entries, KeyFrame);
        RiffWriter::appendU32(&entries, offset);
        RiffWriter::appendU32(&entries, quint32(frame.size()));
        offset += 8 + quint32(frame.size() + frame.size() % 2);
    }
    return RiffWriter::chunk("idx1", entries);
}

QByteArray AviWriter::file() const
{
    const QByteArray headers = RiffWriter::list("LIST", "hdrl", mainHeader() + streamList());
    return RiffWriter::list("RIFF", "AVI ", headers + movieList() + index());
}

bool AviWriter::write(const QString &path, QString *error) const
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file()) < 0 || !out.commit()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return true;
}

QByteArray AviWriter::frameChunkId() const
{
    return m_encoding == Encoding::Rle8 ? "00dc" : "00db";
}

quint32 AviWriter::largestFrame() const
{
    qsizetype largest = 0;
    for (const QByteArray &frame : m_codedFrames)
        largest = qMax(largest, frame.size());
    return quint32(largest);
}

} // namespace tavrolin
