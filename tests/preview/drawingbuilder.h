#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace tavrolin {

// Writes small drawings with a known preview, byte by byte, for the preview tests.
class DrawingBuilder
{
public:
    struct DwgEntry
    {
        quint8 code;
        QByteArray data;
    };

    struct DxfStyle
    {
        QByteArray lineEnd = "\r\n";
        bool lowerCaseHex = false;
        bool paddedCodes = true; // "  0" rather than "0"
        bool byteCount = true;   // write the 90 group
        int digitsPerLine = 254;
    };

    // Where the synthetic DWG header points: the preview block follows the header area.
    static constexpr int BlockAddress = 0x80;
    static constexpr int SecurityFlagsOffset = 0x18;
    // Offset of entry i's absolute start in the directory (its size follows 4 bytes later).
    static constexpr int entryStartOffset(int i) { return BlockAddress + 21 + 9 * i + 1; }

    // An image whose four quadrants differ, so that flips and swaps show.
    static QImage quadrantImage(int width, int height);
    static QByteArray png(const QImage &image);
    // A packed DIB (Qt's BMP file without its 14-byte file header): 8 bpp for indexed images,
    // 24 bpp otherwise.
    static QByteArray dib(const QImage &image);
    // A bare BITMAPINFOHEADER followed by `payload` zero bytes.
    static QByteArray dibHeader(qint32 width, qint32 height, quint16 bitCount,
                                quint32 compression = 0, quint32 coloursUsed = 0, int payload = 0);

    static QByteArray dwg(const QList<DwgEntry> &entries, const QByteArray &version = "AC1032");
    static QByteArray dxf(const QByteArray &image, const DxfStyle &style);
    static QByteArray dxf(const QByteArray &image) { return dxf(image, DxfStyle()); }

    static void putU32(QByteArray *bytes, int offset, quint32 value);
};

} // namespace tavrolin
