#include "drawingpreviewreader.h"

#include "dwgpreviewreader.h"
#include "dxfthumbnailreader.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

namespace tavrolin {

namespace {

constexpr QByteArrayView BinaryDxfSentinel("AutoCAD Binary DXF");

} // namespace

PreviewResult DrawingPreviewReader::readFile(const QString &path)
{
    if (path.isEmpty())
        return PreviewResult::failure(QStringLiteral("no drawing was given"));
    const QFileInfo info(path);
    if (!info.exists())
        return PreviewResult::failure(QStringLiteral("the file does not exist"));
    // Folders, pipes and devices are refused before opening: reading a pipe could block forever.
    if (!info.isFile())
        return PreviewResult::failure(QStringLiteral("this is not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return PreviewResult::failure(
            QStringLiteral("the file cannot be read (%1)").arg(file.errorString()));
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
    const QByteArray head = device.peek(BinaryDxfSentinel.size());
    if (head.isEmpty())
        return PreviewResult::failure(QStringLiteral("the file is empty"));
    if (DwgPreviewReader::looksLikeDwg(head))
        return DwgPreviewReader::read(device);
    if (head.startsWith(BinaryDxfSentinel))
        return PreviewResult::failure(QStringLiteral("binary DXF drawings are not supported"));
    return DxfThumbnailReader::read(device);
}

} // namespace tavrolin
