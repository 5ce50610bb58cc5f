#include "dwgpreviewreader.h"

#include "drawingsignature.h"
#include "previewimagedecoder.h"

#include <QIODevice>
#include <QList>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <optional>

namespace tavrolin {

namespace {

constexpr qint64 VersionSize = DrawingSignature::VersionMarkSize;
constexpr qint64 PreviewAddressOffset = 0x0D;
constexpr qint64 SecurityFlagsOffset = 0x18;
constexpr qint64 HeaderSize = 0x1C;
// Release 13 introduced the preview block; 2004 introduced the security flags.
constexpr int FirstVersionWithPreview = 1012;
constexpr int FirstVersionWithSecurityFlags = 1018;
constexpr quint32 PropertiesEncrypted = 0x2;

constexpr QByteArrayView
    StartSentinel("\x1F\x25\x6D\x07\xD4\x36\x28\x28\x9D\x57\xCA\x3F\x9D\x44\x10\x2B", 16);
// Start sentinel, overall size (uint32) and entry count (uint8).
constexpr qint64 BlockHeadSize = 16 + 4 + 1;
constexpr qint64 EntryCountOffset = 20;
// Directory entry: code (uint8), absolute start (uint32), size (uint32).
constexpr qint64 EntrySize = 9;
constexpr int MaxEntries = 255; // the count is one byte

enum EntryCode : quint8 { BitmapCode = 2, MetafileCode = 3, PngCode = 6 };

struct Entry
{
    quint8 code;
    quint32 start;
    quint32 size;
};

bool isInside(const QIODevice &device, qint64 offset, qint64 length)
{
    return offset >= 0 && length >= 0 && offset <= device.size() - length;
}

// Reads exactly `length` bytes from `offset` into `data`; false when that range is not wholly
// inside the device.
bool readRange(QIODevice &device, qint64 offset, char *data, qint64 length)
{
    return isInside(device, offset, length) && device.seek(offset) &&
           device.read(data, length) == length;
}

// The same into a new array, allocated only once the range is known to lie in the device.
std::optional<QByteArray> readRange(QIODevice &device, qint64 offset, qint64 length)
{
    if (!isInside(device, offset, length))
        return std::nullopt;
    QByteArray bytes(length, Qt::Uninitialized);
    if (!readRange(device, offset, bytes.data(), length))
        return std::nullopt;
    return bytes;
}

quint32 u32At(const char *bytes, qint64 offset)
{
    return qFromLittleEndian<quint32>(bytes + offset);
}

// The number in "AC1015"; -1 for the oldest version strings, which are not numbers ("AC2.10").
int versionNumber(const char *header)
{
    bool ok = false;
    const int number = QByteArrayView(header + 2, VersionSize - 2).toInt(&ok);
    return ok ? number : -1;
}

// The directory of `count` entries that follows the block's head; nothing when it is cut short.
std::optional<QList<Entry>> readDirectory(QIODevice &device, qint64 offset, int count)
{
    std::array<char, MaxEntries * EntrySize> raw;
    if (!readRange(device, offset, raw.data(), count * EntrySize))
        return std::nullopt;
    QList<Entry> entries;
    for (int i = 0; i < count; ++i) {
        const char *entry = raw.data() + i * EntrySize;
        entries.append({quint8(entry[0]), u32At(entry, 1), u32At(entry, 5)});
    }
    return entries;
}

// The image entries, best first: PNG in stored order, then bitmaps largest first.
QList<Entry> candidates(const QList<Entry> &entries)
{
    QList<Entry> pngs;
    QList<Entry> bitmaps;
    for (const Entry &entry : entries) {
        if (entry.code == PngCode)
            pngs.append(entry);
        else if (entry.code == BitmapCode)
            bitmaps.append(entry);
    }
    std::stable_sort(bitmaps.begin(), bitmaps.end(),
                     [](const Entry &a, const Entry &b) { return a.size > b.size; });
    return pngs + bitmaps;
}

PreviewResult noImage(const QList<Entry> &entries)
{
    const bool hasMetafile = std::any_of(entries.begin(), entries.end(),
                                         [](const Entry &e) { return e.code == MetafileCode; });
    return PreviewResult::failure(hasMetafile
                                      ? QStringLiteral("図面のプレビューはメタファイル（WMF）"
                                                       "だけで、表示しません")
                                      : QStringLiteral("図面にプレビュー画像がありません"));
}

PreviewResult decodeEntry(QIODevice &device, const Entry &entry)
{
    if (entry.size > MaxPreviewBytes)
        return PreviewResult::failure(QStringLiteral("プレビュー画像が大きすぎます"));
    const std::optional<QByteArray> bytes = readRange(device, entry.start, entry.size);
    if (!bytes)
        return PreviewResult::failure(QStringLiteral("位置 %1 のプレビュー画像（%2 バイト）が"
                                                     "ファイルの終わりを越えています")
                                          .arg(entry.start)
                                          .arg(entry.size));
    return entry.code == PngCode ? PreviewImageDecoder::decodePng(*bytes)
                                 : PreviewImageDecoder::decodeDib(*bytes);
}

PreviewResult readBlock(QIODevice &device, quint32 address)
{
    std::array<char, BlockHeadSize> head;
    if (!readRange(device, address, head.data(), head.size()) ||
        !QByteArrayView(head).startsWith(StartSentinel))
        return PreviewResult::failure(
            QStringLiteral("図面のヘッダーが示す位置にプレビューのブロックがありません"));
    const std::optional<QList<Entry>> entries =
        readDirectory(device, qint64(address) + BlockHeadSize, quint8(head[EntryCountOffset]));
    if (!entries)
        return PreviewResult::failure(QStringLiteral("プレビューの目録が途中で切れています"));
    const QList<Entry> images = candidates(*entries);
    if (images.isEmpty())
        return noImage(*entries);
    // Only the best picture is decoded: a directory may point all its entries at one damaged
    // picture that takes long to inflate, and a drawing that stores a damaged best picture
    // has no trustworthy preview anyway.
    return decodeEntry(device, images.first());
}

} // namespace

PreviewResult DwgPreviewReader::read(QIODevice &device)
{
    std::array<char, HeaderSize> header;
    if (!readRange(device, 0, header.data(), header.size()) ||
        !DrawingSignature::isDwg(QByteArrayView(header)))
        return PreviewResult::failure(QStringLiteral("DWG のヘッダーがないか、途中で切れています"));
    const int version = versionNumber(header.data());
    if (version < FirstVersionWithPreview)
        return PreviewResult::failure(
            QStringLiteral("%1（リリース 13 より前）で保存された図面にはプレビューがありません")
                .arg(QLatin1StringView(header.data(), VersionSize)));
    if (version >= FirstVersionWithSecurityFlags &&
        (u32At(header.data(), SecurityFlagsOffset) & PropertiesEncrypted))
        return PreviewResult::failure(QStringLiteral("図面のプレビューは暗号化されています"));
    return readBlock(device, u32At(header.data(), PreviewAddressOffset));
}

} // namespace tavrolin
