#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace tavrolin {

// Writes a silent AVI clip that the animation control plays: one video stream of 8-bit
// palettised frames, uncompressed ("DIB ", chunks "00db") or RLE8 ("RLE ", chunks "00dc"),
// with an index. The parts can also be taken one by one to assemble clips of other shapes.
class AviWriter
{
public:
    enum class Encoding { Uncompressed, Rle8 };

    // frames: 8-bit indexed images of one size that share the first frame's colour table.
    AviWriter(const QList<QImage> &frames, Encoding encoding, quint32 microsecondsPerFrame);

    // Replaces the coded data of the frames, for frames coded by hand (delta frames).
    void setCodedFrames(const QList<QByteArray> &codedFrames) { m_codedFrames = codedFrames; }

    QByteArray mainHeader() const; // "avih"
    QByteArray streamList() const; // "LIST" "strl": "strh" and "strf"
    QByteArray movieList() const;  // "LIST" "movi": one chunk per frame
    QByteArray index() const;      // "idx1"
    // The whole file: "RIFF" "AVI " with the header list, the movie list and the index.
    QByteArray file() const;
    bool write(const QString &path, QString *error) const;

private:
    QByteArray frameChunkId() const;
    QByteArray bitmapFormat() const;
    quint32 largestFrame() const;

    QSize m_size;
    QList<QRgb> m_palette;
    Encoding m_encoding;
    quint32 m_microsecondsPerFrame;
    QList<QByteArray> m_codedFrames;
};

} // namespace tavrolin
