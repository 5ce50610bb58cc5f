#include "drawingprobe.h"

#include "core/filefailure.h"
#include "platform/preview/drawingsignature.h"
#include "platform/preview/dxfgroupreader.h"

#include <QBuffer>
#include <QFile>
#include <cstdio>
#include <optional>

namespace tavrolin {

namespace {

// The first bytes read of every drawing: a DWG mark, a binary DXF header up to its version, and
// the header of an ASCII DXF drawing up to $ACADVER, as programs write it.
constexpr qint64 kHeadSize = 4096;
constexpr qsizetype kLongestMark = 16;

constexpr int kStructureCode = 0;
constexpr int kNameCode = 2;
constexpr int kVariableCode = 9;
constexpr int kVersionCode = 1;
constexpr int kCommentCode = 999;

constexpr QByteArrayView kVersionVariable("$ACADVER");

QByteArray markOf(QByteArrayView text)
{
    return text.first(qMin(text.size(), kLongestMark)).toByteArray();
}

// A binary DXF header holds "$ACADVER", NUL, the group code 1 in one byte (release 12) or two
// (later), and the version text ended by NUL.
QByteArray binaryDxfMark(QByteArrayView head)
{
    const qsizetype variable = head.indexOf(QByteArrayView("$ACADVER\0", 9));
    qsizetype value = variable + 9;
    if (variable < 0 || value + 2 > head.size() || head[value] != kVersionCode)
        return {};
    value += head[value + 1] == '\0' ? 2 : 1;
    const qsizetype end = head.indexOf('\0', value);
    return end < 0 ? QByteArray() : markOf(head.sliced(value, end - value));
}

bool nextGroup(DxfGroupReader &groups)
{
    while (groups.next()) {
        if (groups.code() != kCommentCode)
            return true;
    }
    return false;
}

// An ASCII DXF drawing starts with a section; when it is the header, its $ACADVER tells the
// format. Comments may come first. Nothing when the data ends before it tells and is not the
// whole file.
std::optional<DrawingProbe::Facts> asciiDxf(QIODevice &device, bool whole)
{
    using State = DrawingProbe::State;
    DxfGroupReader groups(device, DxfGroupReader::SmallestChunk);
    const DrawingProbe::Facts noDrawing{State::NoDrawing, {}, {}, false};
    DrawingProbe::Facts facts{State::Dxf, {}, {}, false};
    const auto ended = [whole](const DrawingProbe::Facts &told) {
        return whole ? std::optional(told) : std::nullopt;
    };
    if (!nextGroup(groups))
        return ended(noDrawing);
    if (groups.code() != kStructureCode || groups.value() != "SECTION")
        return noDrawing;
    if (!nextGroup(groups))
        return ended(noDrawing);
    if (groups.code() != kNameCode)
        return noDrawing;
    if (groups.value() != "HEADER")
        return facts;
    for (;;) {
        if (!nextGroup(groups))
            return ended(facts);
        if (groups.code() == kStructureCode)
            return facts;
        if (groups.code() == kVariableCode && groups.value() == kVersionVariable)
            break;
    }
    if (!nextGroup(groups))
        return ended(facts);
    if (groups.code() == kVersionCode)
        facts.versionMark = markOf(groups.value());
    return facts;
}

// What the first bytes tell; nothing when they are not the whole file and an ASCII DXF file
// needs more of itself read. A cut head is read up to its last whole line.
std::optional<DrawingProbe::Facts> fromHead(const QByteArray &head, bool whole)
{
    using State = DrawingProbe::State;
    if (head.isEmpty() && whole)
        return DrawingProbe::Facts{State::Empty, {}, {}, false};
    if (DrawingSignature::isDwg(head))
        return DrawingProbe::Facts{
            State::Dwg, {}, head.first(DrawingSignature::VersionMarkSize), false};
    // A binary DXF file tells its version in its first bytes or not at all: what a longer file
    // holds further on is never read, so a file tells the same read whole or by its head.
    if (DrawingSignature::isBinaryDxf(head))
        return DrawingProbe::Facts{
            State::Dxf,
            {},
            binaryDxfMark(QByteArrayView(head).first(qMin(head.size(), kHeadSize))),
            false};
    QBuffer lines;
    lines.setData(whole ? head : head.first(head.lastIndexOf('\n') + 1));
    lines.open(QIODevice::ReadOnly);
    return asciiDxf(lines, whole);
}

FILE *openForReading(const QString &path)
{
#ifdef Q_OS_WIN
    return _wfopen(reinterpret_cast<const wchar_t *>(path.utf16()), L"rb");
#else
    return std::fopen(QFile::encodeName(path).constData(), "rb");
#endif
}

// The file's first bytes, read straight from the system in one call: no buffer of the stream's
// own, and no second look at the file's status, which the caller has. Nothing when the file
// cannot be opened; the system's error is then as the opening left it.
std::optional<QByteArray> readHead(const QFileInfo &info)
{
    FILE *file = openForReading(info.filePath());
    if (!file)
        return std::nullopt;
    std::setvbuf(file, nullptr, _IONBF, 0);
    QByteArray head(qMin(info.size(), kHeadSize), Qt::Uninitialized);
    head.truncate(qsizetype(std::fread(head.data(), 1, size_t(head.size()), file)));
    std::fclose(file);
    return head;
}

} // namespace

DrawingProbe::Facts DrawingProbe::probeFile(const QFileInfo &info)
{
    if (info.exists() && !info.isFile())
        return {
            State::NotAFile,
            fileProblemText(info.isDir() ? FileProblem::IsAFolder : FileProblem::NotRegularFile),
            {},
            false};
    const std::optional<QByteArray> head = info.exists() ? readHead(info) : std::nullopt;
    if (!head)
        return {State::Unreadable, fileFailureReason(info.filePath(), FileAction::Read), {}, false};
    std::optional<Facts> facts = fromHead(*head, head->size() >= info.size());
    if (!facts) {
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            return {
                State::Unreadable, fileFailureReason(info.filePath(), FileAction::Read), {}, false};
        facts = asciiDxf(file, true);
    }
    // Each permission asked on its own, from the file's status: asking for all of them would also
    // ask the system which the user has.
    facts->readOnly = !info.permission(QFile::WriteOwner) && !info.permission(QFile::WriteGroup) &&
                      !info.permission(QFile::WriteOther);
    return *facts;
}

DrawingProbe::Facts DrawingProbe::probeBytes(const QByteArray &bytes)
{
    return *fromHead(bytes, true);
}

} // namespace tavrolin
