#include "dxfthumbnailreader.h"

#include "dxfgroupreader.h"
#include "previewimagedecoder.h"

#include <QIODevice>
#include <optional>

namespace tavrolin {

namespace {

constexpr int StructureCode = 0;
constexpr int NameCode = 2;
constexpr int ByteCountCode = 90;
constexpr int ChunkCode = 310;
// How much of a large file's end is searched before the whole file is read from its start.
constexpr qint64 TailSize = 1024 * 1024;

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Appends the bytes written as hexadecimal text; false when the text is not whole pairs of
// hexadecimal digits.
bool appendHex(QByteArrayView hex, QByteArray *bytes)
{
    if (hex.size() % 2 != 0)
        return false;
    for (qsizetype i = 0; i < hex.size(); i += 2) {
        const int high = hexDigitValue(hex[i]);
        const int low = hexDigitValue(hex[i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes->append(char(high << 4 | low));
    }
    return true;
}

// Makes room for the announced byte count, never more than the file's hexadecimal text could
// hold (two digits a byte).
void reserveAnnounced(QByteArrayView count, qint64 deviceSize, QByteArray *bytes)
{
    bool ok = false;
    const qint64 announced = count.toLongLong(&ok);
    if (ok && announced > 0)
        bytes->reserve(qMin(announced, qMin(deviceSize / 2, MaxPreviewBytes)));
}

// Collects the image of the section whose name was just read, up to its ENDSEC.
PreviewResult readThumbnailSection(DxfGroupReader &groups, qint64 deviceSize)
{
    QByteArray bytes;
    while (groups.next()) {
        if (groups.code() == StructureCode) {
            if (groups.value() == "ENDSEC")
                return PreviewImageDecoder::decodeSniffed(bytes);
            break;
        }
        if (groups.code() == ByteCountCode) {
            reserveAnnounced(groups.value(), deviceSize, &bytes);
        } else if (groups.code() == ChunkCode) {
            if (groups.isValueCut() || !appendHex(groups.value(), &bytes))
                return PreviewResult::failure(
                    QStringLiteral("サムネイルの 16 進データが壊れています"));
            if (bytes.size() > MaxPreviewBytes)
                return PreviewResult::failure(QStringLiteral("サムネイルが大きすぎます"));
        }
    }
    return PreviewResult::failure(QStringLiteral("THUMBNAILIMAGE セクションが閉じていません"));
}

// Reads pairs up to the THUMBNAILIMAGE section and returns what it holds; nothing when the pairs
// end without one.
std::optional<PreviewResult> findThumbnail(DxfGroupReader &groups, qint64 deviceSize)
{
    bool sectionStarts = false;
    while (groups.next()) {
        if (sectionStarts && groups.code() == NameCode && groups.value() == "THUMBNAILIMAGE")
            return readThumbnailSection(groups, deviceSize);
        sectionStarts = groups.code() == StructureCode && groups.value() == "SECTION";
        if (groups.code() == StructureCode && groups.value() == "EOF")
            break;
    }
    return std::nullopt;
}

// Looks for the section in the file's last bytes only, where it normally is. Reading starts in
// the middle of some line and may pair the lines the wrong way round, so both pairings are
// tried. A wrong pairing cannot find the section: a "SECTION" line is always a value, never a
// group code.
std::optional<PreviewResult> findThumbnailInTail(QIODevice &device)
{
    for (const int skippedLines : {1, 2}) {
        if (!device.seek(device.size() - TailSize))
            return std::nullopt;
        DxfGroupReader groups(device);
        for (int i = 0; i < skippedLines; ++i)
            groups.skipLine();
        if (std::optional<PreviewResult> found = findThumbnail(groups, device.size()))
            return found;
    }
    return std::nullopt;
}

} // namespace

PreviewResult DxfThumbnailReader::read(QIODevice &device)
{
    if (device.size() > TailSize) {
        if (std::optional<PreviewResult> found = findThumbnailInTail(device))
            return *found;
        device.seek(0);
    }
    DxfGroupReader groups(device);
    if (std::optional<PreviewResult> found = findThumbnail(groups, device.size()))
        return *found;
    if (groups.isMalformed())
        return PreviewResult::failure(
            QStringLiteral("ファイルは ASCII 形式の DXF 図面ではありません（%1 行目）")
                .arg(groups.lineNumber()));
    return PreviewResult::failure(QStringLiteral("図面に THUMBNAILIMAGE セクションがありません"));
}

} // namespace tavrolin
