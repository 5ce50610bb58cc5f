#pragma once

#include <QByteArray>
#include <QImage>

namespace tavrolin {

// Codes one 8-bit indexed image as the data of a video frame, rows bottom-up: uncompressed
// (each row padded to 4 bytes) or RLE8 as a key frame (every row fully coded and ended with an
// end-of-line escape, the frame ended with the end-of-bitmap escape).
class FrameEncoder
{
public:
    static QByteArray uncompressed(const QImage &frame);
    static QByteArray rle8(const QImage &frame);

private:
    static void appendRle8Row(QByteArray *out, const uchar *row, int width);
};

} // namespace tavrolin
