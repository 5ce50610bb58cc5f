#include "drawingpreviewreader.h"

#include "core/filefailure.h"
#include "drawingsignature.h"
#include "dwgpreviewreader.h"
#include "dxfthumbnailreader.h"
#include "stoppablefile.h"

#include <QBuffer>
#include <QFileInfo>

namespace tavrolin {

PreviewResult DrawingPreviewReader::readFile(const QString &path)
{
    static const std::atomic_bool never{false};
    return readFile(path, never);
}

PreviewResult DrawingPreviewReader::readFile(const QString &path, const std::atomic_bool &stop)
{
    if (path.isEmpty())
        return PreviewResult::failure(QStringLiteral("図面が指定されていません"));
    // Folders, pipes and devices are refused before opening: reading a pipe could block forever.
    const QFileInfo info(path);
    if (info.exists() && !info.isDir() && !info.isFile())
        return PreviewResult::failure(fileProblemText(FileProblem::NotRegularFile));
    StoppableFile file(path, stop);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return PreviewResult::failure(fileFailureReason(path, FileAction::Read));
    return read(file);
}

PreviewResult DrawingPreviewReader::readBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer);
}

PreviewResult DrawingPreviewReader::read(QIODevice &device)
{
    const QByteArray head = device.peek(DrawingSignature::BinaryDxfSentinel.size());
    if (head.isEmpty())
        return PreviewResult::failure(QStringLiteral("ファイルが空です"));
    if (DrawingSignature::isDwg(head))
        return DwgPreviewReader::read(device);
    if (DrawingSignature::isBinaryDxf(head))
        return PreviewResult::failure(QStringLiteral("バイナリ形式の DXF には対応していません"));
    return DxfThumbnailReader::read(device);
}

} // namespace tavrolin
