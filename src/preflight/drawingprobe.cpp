#include "drawingprobe.h"

#include "core/filefailure.h"
#include "platform/preview/drawingsignature.h"
#include "platform/preview/dxfgroupreader.h"

#include <QFile>
#include <QFileInfo>

namespace tavrolin {

namespace {

// The first bytes read of every drawing: a DWG mark, or a binary DXF header up to its version.
constexpr qint64 kHeadSize = 256;
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
// format. Comments may come first.
DrawingProbe::Facts asciiDxf(QIODevice &device)
{
    DxfGroupReader groups(device, DxfGroupReader::SmallestChunk);
    if (!nextGroup(groups) || groups.code() != kStructureCode || groups.value() != "SECTION" ||
        !nextGroup(groups) || groups.code() != kNameCode)
        return {DrawingProbe::State::NoDrawing, {}, {}, false};
    DrawingProbe::Facts facts{DrawingProbe::State::Dxf, {}, {}, false};
    if (groups.value() != "HEADER")
        return facts;
    while (nextGroup(groups) && groups.code() != kStructureCode) {
        if (groups.code() != kVariableCode || groups.value() != kVersionVariable)
            continue;
        if (nextGroup(groups) && groups.code() == kVersionCode)
            facts.versionMark = markOf(groups.value());
        break;
    }
    return facts;
}

} // namespace

DrawingProbe::Facts DrawingProbe::probeFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {
            State::NotAFile,
            fileProblemText(info.isDir() ? FileProblem::IsAFolder : FileProblem::NotRegularFile),
            {},
            false};
    QFile file(path);
    if (!info.exists() || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {State::Unreadable, fileFailureReason(path, FileAction::Read), {}, false};
    Facts facts = probeContent(file);
    constexpr auto kWritable = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    facts.readOnly = !(info.permissions() & kWritable);
    return facts;
}

DrawingProbe::Facts DrawingProbe::probeContent(QIODevice &device)
{
    const qint64 start = device.pos();
    const QByteArray head = device.read(kHeadSize);
    if (head.isEmpty())
        return {State::Empty, {}, {}, false};
    if (DrawingSignature::isDwg(head))
        return {State::Dwg, {}, head.first(DrawingSignature::VersionMarkSize), false};
    if (DrawingSignature::isBinaryDxf(head))
        return {State::Dxf, {}, binaryDxfMark(head), false};
    if (!device.seek(start))
        return {State::NoDrawing, {}, {}, false};
    return asciiDxf(device);
}

} // namespace tavrolin
