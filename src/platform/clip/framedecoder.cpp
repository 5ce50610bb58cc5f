#include "framedecoder.h"

#include <cstring>

namespace tavrolin {

namespace {

// Writes pixels into one row, clipped to the frame: pixels past either edge are dropped.
class RowWriter
{
public:
    explicit RowWriter(QImage *canvas) : m_canvas(canvas) {}

    bool inside(qint64 y) const { return y < m_canvas->height(); }

    void fill(qint64 x, qint64 y, qint64 count, uchar index)
    {
        const qint64 n = clippedCount(x, y, count);
        if (n > 0)
            std::memset(row(y) + x, index, n);
    }

    void copy(qint64 x, qint64 y, const char *pixels, qint64 count)
    {
        const qint64 n = clippedCount(x, y, count);
        if (n > 0)
            std::memcpy(row(y) + x, pixels, n);
    }

private:
    qint64 clippedCount(qint64 x, qint64 y, qint64 count) const
    {
        if (!inside(y) || x >= m_canvas->width())
            return 0;
        return qMin(count, m_canvas->width() - x);
    }

    // Rows are coded bottom-up; the image stores them top-down.
    uchar *row(qint64 y) { return m_canvas->scanLine(m_canvas->height() - 1 - int(y)); }

    QImage *m_canvas;
};

enum Escape : uchar { EndOfLine = 0, EndOfBitmap = 1, Delta = 2 };

} // namespace

bool FrameDecoder::decode(QByteArrayView data, QImage *canvas, QString *error) const
{
    if (m_compression == Compression::None)
        return decodeUncompressed(data, canvas, error);
    decodeRle8(data, canvas);
    return true;
}

bool FrameDecoder::decodeUncompressed(QByteArrayView data, QImage *canvas, QString *error)
{
    const qsizetype stride = (qsizetype(canvas->width()) + 3) / 4 * 4;
    if (data.size() < stride * canvas->height()) {
        if (error)
            *error = QStringLiteral("an uncompressed frame is shorter than the frame size");
        return false;
    }
    RowWriter rows(canvas);
    for (int y = 0; y < canvas->height(); ++y)
        rows.copy(0, y, data.data() + y * stride, canvas->width());
    return true;
}

// RLE8 is a stream of byte pairs: a count of 1 to 255 repeats the colour index that follows;
// a count of 0 introduces an escape (end of line, end of bitmap, delta move, or an absolute run
// of literal indices padded to an even length). Data that ends without the end-of-bitmap escape
// ends the frame there; positions are 64-bit so that no run of moves can overflow.
void FrameDecoder::decodeRle8(QByteArrayView data, QImage *canvas)
{
    RowWriter rows(canvas);
    const auto byte = [&data](qsizetype i) { return uchar(data[i]); };
    qint64 x = 0;
    qint64 y = 0;
    qsizetype i = 0;
    while (i + 1 < data.size() && rows.inside(y)) {
        const uchar count = byte(i);
        const uchar code = byte(i + 1);
        i += 2;
        if (count > 0) {
            rows.fill(x, y, count, code);
            x += count;
        } else if (code == EndOfLine) {
            x = 0;
            ++y;
        } else if (code == EndOfBitmap) {
            return;
        } else if (code == Delta) {
            if (i + 1 >= data.size())
                return;
            x += byte(i);
            y += byte(i + 1);
            i += 2;
        } else {
            rows.copy(x, y, data.data() + i, qMin<qsizetype>(code, data.size() - i));
            x += code;
            i += code + (code & 1);
        }
    }
}

} // namespace tavrolin
