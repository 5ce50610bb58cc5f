#include "frameencoder.h"

namespace tavrolin {

namespace {

constexpr int MaxRun = 255;
constexpr int MinAbsoluteRun = 3; // counts 0 to 2 after a zero byte are escapes

// Length of the run of equal indices starting at x, at most MaxRun.
int runLength(const uchar *row, int x, int width)
{
    int n = 1;
    while (x + n < width && n < MaxRun && row[x + n] == row[x])
        ++n;
    return n;
}

// Length of the stretch starting at x in which no index repeats its neighbour, at most MaxRun.
int literalLength(const uchar *row, int x, int width)
{
    int n = 1;
    while (x + n < width && n < MaxRun && row[x + n] != row[x + n - 1])
        ++n;
    // The last index of the stretch may start a run; leave it to that run.
    if (x + n < width && n > 1 && row[x + n] == row[x + n - 1])
        --n;
    return n;
}

} // namespace

QByteArray FrameEncoder::uncompressed(const QImage &frame)
{
    const int stride = (frame.width() + 3) / 4 * 4;
    QByteArray out;
    for (int y = frame.height() - 1; y >= 0; --y) {
        QByteArray row(reinterpret_cast<const char *>(frame.constScanLine(y)), frame.width());
        row.resize(stride, '\0');
        out.append(row);
    }
    return out;
}

QByteArray FrameEncoder::rle8(const QImage &frame)
{
    QByteArray out;
    for (int y = frame.height() - 1; y >= 0; --y) {
        appendRle8Row(&out, frame.constScanLine(y), frame.width());
        out.append('\0').append('\0');
    }
    out.append('\0').append('\1');
    return out;
}

// Repeated indices become encoded runs; stretches of differing indices become absolute runs
// (padded to an even length), or single-pixel runs when shorter than an absolute run may be.
void FrameEncoder::appendRle8Row(QByteArray *out, const uchar *row, int width)
{
    int x = 0;
    while (x < width) {
        const int run = runLength(row, x, width);
        const int literal = run > 1 ? 0 : literalLength(row, x, width);
        if (run > 1) {
            out->append(char(run)).append(char(row[x]));
            x += run;
        } else if (literal < MinAbsoluteRun) {
            for (int i = 0; i < literal; ++i)
                out->append('\1').append(char(row[x + i]));
            x += literal;
        } else {
            out->append('\0').append(char(literal));
            out->append(reinterpret_cast<const char *>(row + x), literal);
            if (literal % 2 != 0)
                out->append('\0');
            x += literal;
        }
    }
}

} // namespace tavrolin
