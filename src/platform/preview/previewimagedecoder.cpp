#include "previewimagedecoder.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <array>
#include <cstring>
#include <optional>

namespace tavrolin {

namespace {

constexpr QByteArrayView PngSignature("\x89PNG\r\n\x1a\n", 8);
constexpr quint32 InfoHeaderSize = 40;
// A packed DIB starts with its header size, 40 as a little-endian uint32.
constexpr QByteArrayView InfoHeaderStart("\x28\0\0\0", 4);
constexpr quint32 BiRgb = 0;
constexpr quint32 BiBitfields = 3;
constexpr qint64 BitfieldMasksSize = 12;
constexpr quint32 MaxColourTable = 256;

// The fields of a BITMAPINFOHEADER that decide how many bytes the bitmap needs.
struct InfoHeader
{
    quint32 size;
    qint64 width;
    qint64 height; // negative for a top-down bitmap
    quint16 planes;
    quint16 bitCount;
    quint32 compression;
    quint32 coloursUsed;
};

std::optional<InfoHeader> parseInfoHeader(const QByteArray &bytes)
{
    std::array<char, InfoHeaderSize> raw;
    if (bytes.size() < qsizetype(raw.size()))
        return std::nullopt;
    std::memcpy(raw.data(), bytes.constData(), raw.size());
    const auto u32 = [&raw](int offset) { return qFromLittleEndian<quint32>(raw.data() + offset); };
    const auto u16 = [&raw](int offset) { return qFromLittleEndian<quint16>(raw.data() + offset); };
    return InfoHeader{u32(0), qint32(u32(4)), qint32(u32(8)), u16(12), u16(14), u32(16), u32(32)};
}

bool isSupportedLayout(quint16 bitCount, quint32 compression)
{
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
        return compression == BiRgb;
    case 16:
    case 32:
        return compression == BiRgb || compression == BiBitfields;
    default:
        return false;
    }
}

// Size of the colour table in entries, or -1 when the header asks for more than the depth allows.
qint64 colourCount(quint16 bitCount, quint32 clrUsed)
{
    const quint32 limit = bitCount <= 8 ? 1u << bitCount : MaxColourTable;
    if (clrUsed > limit)
        return -1;
    if (clrUsed == 0 && bitCount <= 8)
        return limit;
    return clrUsed;
}

qint64 requiredBytes(const InfoHeader &header, qint64 colours)
{
    const qint64 masks = header.compression == BiBitfields ? BitfieldMasksSize : 0;
    const qint64 stride = (header.width * header.bitCount + 31) / 32 * 4;
    return InfoHeaderSize + masks + 4 * colours + stride * qAbs(header.height);
}

// What is wrong with a packed DIB's header, or an empty text when it describes an uncompressed
// bitmap of sane size whose colour table and pixel rows fit in the bytes at hand. Only then may
// Qt allocate the image.
QString dibProblem(const QByteArray &bytes)
{
    const std::optional<InfoHeader> header = parseInfoHeader(bytes);
    if (!header || header->size != InfoHeaderSize)
        return QStringLiteral("ビットマップのヘッダーがないか、未知の種類です");
    if (!isPreviewSize(header->width, qAbs(header->height)))
        return QStringLiteral("ビットマップの大きさ %1 x %2 ピクセルはありえません")
            .arg(header->width)
            .arg(qAbs(header->height));
    if (header->planes != 1 || !isSupportedLayout(header->bitCount, header->compression))
        return QStringLiteral("ビットマップの形式に対応していません（1 ピクセル %1 ビット、"
                              "圧縮 %2）")
            .arg(header->bitCount)
            .arg(header->compression);
    const qint64 colours = colourCount(header->bitCount, header->coloursUsed);
    if (colours < 0)
        return QStringLiteral("ビットマップのカラーテーブルが大きすぎます");
    const qint64 needed = requiredBytes(*header, colours);
    if (needed > bytes.size())
        return QStringLiteral("ビットマップには %1 バイト必要ですが、%2 バイトしかありません")
            .arg(needed)
            .arg(bytes.size());
    return {};
}

// The bitmap with its image size field (biSizeImage) cleared, which an uncompressed bitmap may
// leave 0. Given a size, Qt's reader takes the rows from that many bytes before the end of the
// data: after bytes that follow the rows it would read those bytes as pixels, and from a size too
// small it reads part of the rows and leaves the rest of the picture uninitialised. Without one
// it reads the rows where a packed bitmap has them and where they were checked to be: right after
// the colour table.
QByteArray withRowsAfterColourTable(const QByteArray &bytes)
{
    constexpr qsizetype ImageSizeOffset = 20;
    QByteArray dib = bytes;
    qToLittleEndian<quint32>(0, dib.data() + ImageSizeOffset);
    return dib;
}

// A stored colour table may hold fewer colours than the pixels use: the missing ones become black,
// so that every pixel has a colour wherever the picture goes.
void fillColourTable(QImage *image)
{
    const qsizetype entries = qsizetype(1) << image->depth();
    if (image->colorCount() == 0 || image->colorCount() >= entries)
        return;
    QList<QRgb> table = image->colorTable();
    table.resize(entries, qRgb(0, 0, 0));
    image->setColorTable(table);
}

// Decodes with exactly the given format (no guessing from the content), after checking the size
// that the image's header announces.
PreviewResult decodeAs(const QByteArray &bytes, const char *format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    // The bitmap handler gives a top-down bitmap's height as negative.
    const QSize size(reader.size().width(), qAbs(reader.size().height()));
    if (size.isEmpty())
        return PreviewResult::failure(QStringLiteral("画像の大きさを読めません"));
    if (!isPreviewSize(size.width(), size.height()))
        return PreviewResult::failure(QStringLiteral("画像の大きさ %1 x %2 ピクセルはありえません")
                                          .arg(size.width())
                                          .arg(size.height()));
    QImage image = reader.read();
    if (image.isNull())
        return PreviewResult::failure(
            QStringLiteral("画像が壊れています（%1）").arg(reader.errorString()));
    fillColourTable(&image);
    return PreviewResult::fromImage(image);
}

} // namespace

PreviewResult PreviewImageDecoder::decodePng(const QByteArray &bytes)
{
    if (!bytes.startsWith(PngSignature))
        return PreviewResult::failure(QStringLiteral("画像が PNG ではありません"));
    return decodeAs(bytes, "png");
}

PreviewResult PreviewImageDecoder::decodeDib(const QByteArray &bytes)
{
    const QString problem = dibProblem(bytes);
    if (!problem.isEmpty())
        return PreviewResult::failure(problem);
    return decodeAs(withRowsAfterColourTable(bytes), "dib");
}

PreviewResult PreviewImageDecoder::decodeSniffed(const QByteArray &bytes)
{
    if (bytes.startsWith(PngSignature))
        return decodePng(bytes);
    if (bytes.startsWith(InfoHeaderStart))
        return decodeDib(bytes);
    return PreviewResult::failure(
        QStringLiteral("保存された画像は PNG でもビットマップでもありません"));
}

} // namespace tavrolin
