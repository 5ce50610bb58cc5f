#include "drawingbuilder.h"

#include <QBuffer>
#include <QPainter>
#include <QtEndian>

namespace tavrolin {

namespace {

const QByteArray StartSentinel = QByteArray::fromHex("1F256D07D43628289D57CA3F9D44102B");
const QByteArray EndSentinel = QByteArray::fromHex("E0DA92F82BC9D7D762A835C062BBEFD4");
constexpr int BmpFileHeaderSize = 14;

QByteArray u32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray saved(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray group(int code, const QByteArray &value, const DrawingBuilder::DxfStyle &style)
{
    const QByteArray codeText = style.paddedCodes ? QByteArray::number(code).rightJustified(3, ' ')
                                                  : QByteArray::number(code);
    return codeText + style.lineEnd + value + style.lineEnd;
}

} // namespace

QImage DrawingBuilder::quadrantImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    const int halfWidth = width / 2;
    const int halfHeight = height / 2;
    painter.fillRect(0, 0, halfWidth, halfHeight, QColor(255, 0, 0));
    painter.fillRect(halfWidth, 0, width - halfWidth, halfHeight, QColor(0, 255, 0));
    painter.fillRect(0, halfHeight, halfWidth, height - halfHeight, QColor(0, 0, 255));
    painter.fillRect(halfWidth, halfHeight, width - halfWidth, height - halfHeight,
                     QColor(255, 255, 0));
    return image;
}

QByteArray DrawingBuilder::png(const QImage &image)
{
    return saved(image, "PNG");
}

QByteArray DrawingBuilder::dib(const QImage &image)
{
    return saved(image, "BMP").mid(BmpFileHeaderSize);
}

QByteArray DrawingBuilder::dibHeader(qint32 width, qint32 height, quint16 bitCount,
                                     quint32 compression, quint32 coloursUsed, int payload)
{
    QByteArray header(40, '\0');
    qToLittleEndian<quint32>(40, header.data());
    qToLittleEndian(width, header.data() + 4);
    qToLittleEndian(height, header.data() + 8);
    qToLittleEndian<quint16>(1, header.data() + 12);
    qToLittleEndian(bitCount, header.data() + 14);
    qToLittleEndian(compression, header.data() + 16);
    qToLittleEndian(coloursUsed, header.data() + 32);
    return header + QByteArray(payload, '\0');
}

QByteArray DrawingBuilder::dwg(const QList<DwgEntry> &entries, const QByteArray &version)
{
    QByteArray bytes = version.leftJustified(BlockAddress, '\0', true);
    putU32(&bytes, 0x0D, BlockAddress);
    QByteArray directory;
    QByteArray data;
    quint32 start = BlockAddress + 21 + 9 * entries.size();
    for (const DwgEntry &entry : entries) {
        directory += char(entry.code) + u32(start) + u32(entry.data.size());
        data += entry.data;
        start += entry.data.size();
    }
    const quint32 overallSize = 1 + directory.size() + data.size();
    bytes += StartSentinel + u32(overallSize) + char(entries.size()) + directory + data;
    return bytes + EndSentinel;
}

QByteArray DrawingBuilder::dxf(const QByteArray &image, const DxfStyle &style)
{
    QByteArray text = group(0, "SECTION", style) + group(2, "HEADER", style) +
                      group(9, "$ACADVER", style) + group(1, "AC1015", style) +
                      group(0, "ENDSEC", style) + group(0, "SECTION", style) +
                      group(2, "ENTITIES", style) + group(0, "LINE", style) + group(8, "0", style) +
                      group(10, "0.0", style) + group(20, "0.0", style) + group(11, "1.0", style) +
                      group(21, "1.0", style) + group(0, "ENDSEC", style) +
                      group(0, "SECTION", style) + group(2, "THUMBNAILIMAGE", style);
    if (style.byteCount)
        text += group(90, QByteArray::number(image.size()), style);
    QByteArray hex = image.toHex();
    if (!style.lowerCaseHex)
        hex = hex.toUpper();
    for (qsizetype i = 0; i < hex.size(); i += style.digitsPerLine)
        text += group(310, hex.mid(i, style.digitsPerLine), style);
    return text + group(0, "ENDSEC", style) + group(0, "EOF", style);
}

void DrawingBuilder::putU32(QByteArray *bytes, int offset, quint32 value)
{
    qToLittleEndian(value, bytes->data() + offset);
}

} // namespace tavrolin
