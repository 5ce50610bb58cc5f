#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace tavrolin {

// Draws the coded data of one video frame onto the frame before it. Frames are 8-bit palettised,
// rows stored bottom-up, either uncompressed (rows padded to 4 bytes) or RLE8-compressed. Pixels
// that an RLE8 frame skips keep the previous frame's value, which is how delta frames work.
class FrameDecoder
{
public:
    enum class Compression { None, Rle8 };

    explicit FrameDecoder(Compression compression) : m_compression(compression) {}

    // canvas: an 8-bit indexed image holding the previous frame (or the blank start frame).
    bool decode(QByteArrayView data, QImage *canvas, QString *error) const;

private:
    static bool decodeUncompressed(QByteArrayView data, QImage *canvas, QString *error);
    static void decodeRle8(QByteArrayView data, QImage *canvas);

    Compression m_compression;
};

} // namespace tavrolin
