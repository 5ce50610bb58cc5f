#include "icofile.h"

#include <QSaveFile>
#include <QtEndian>

namespace tavrolin {

namespace {

constexpr int DirectorySize = 6;   // reserved, type 1 = icon, number of entries
constexpr int EntrySize = 16;      // one directory entry per picture
constexpr int InfoHeaderSize = 40; // the picture's bitmap info header
constexpr int LargestSide = 256;

template <typename T>
void append(QByteArray &bytes, T value)
{
    char little[sizeof(T)];
    qToLittleEndian<T>(value, little);
    bytes.append(little, sizeof(T));
}

int maskStride(int width)
{
    return (width + 31) / 32 * 4;
}

// Bitmap info header, colour rows and mask rows, all rows bottom-up. The header's height
// counts both the colour rows and the mask rows.
QByteArray pictureData(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    QByteArray bytes;
    append<quint32>(bytes, InfoHeaderSize);
    append<qint32>(bytes, width);
    append<qint32>(bytes, 2 * height);
    append<quint16>(bytes, 1);  // planes
    append<quint16>(bytes, 32); // bits per pixel
    append<quint32>(bytes, 0);  // no compression
    append<quint32>(bytes, quint32((width * 4 + maskStride(width)) * height));
    bytes.append(16, '\0'); // resolution and colour counts unused
    for (int y = height - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            append<quint32>(bytes, row[x]); // stored as blue, green, red, alpha
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray mask(maskStride(width), '\0');
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            if (qAlpha(row[x]) == 0)
                mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
        }
        bytes += mask;
    }
    return bytes;
}

QByteArray directoryEntry(const QImage &picture, quint32 dataSize, quint32 offset)
{
    QByteArray entry;
    entry.append(char(picture.width() == LargestSide ? 0 : picture.width()));
    entry.append(char(picture.height() == LargestSide ? 0 : picture.height()));
    entry.append(2, '\0');      // no palette, reserved
    append<quint16>(entry, 1);  // planes
    append<quint16>(entry, 32); // bits per pixel
    append<quint32>(entry, dataSize);
    append<quint32>(entry, offset);
    return entry;
}

} // namespace

bool IcoFile::write(const QString &path, const QList<QImage> &sizes, QString *error)
{
    for (const QImage &picture : sizes) {
        if (picture.isNull() || picture.width() > LargestSide || picture.height() > LargestSide) {
            *error = QStringLiteral("icon pictures must be 1 to 256 pixels wide and high");
            return false;
        }
    }
    QByteArray directory;
    append<quint16>(directory, 0);
    append<quint16>(directory, 1);
    append<quint16>(directory, quint16(sizes.size()));
    QByteArray pictures;
    const quint32 firstOffset = DirectorySize + EntrySize * quint32(sizes.size());
    for (const QImage &picture : sizes) {
        const QByteArray data = pictureData(picture);
        directory +=
            directoryEntry(picture, quint32(data.size()), firstOffset + quint32(pictures.size()));
        pictures += data;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(directory + pictures) < 0 ||
        !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace tavrolin
