#pragma once

#include "previewresult.h"

#include <QByteArray>
#include <QString>
#include <atomic>

class QIODevice;

namespace tavrolin {

// Gets the preview picture stored in a drawing, DWG or ASCII DXF, told apart by the file's first
// bytes (not by its name). Any file is safe to give: a drawing without a preview, a damaged or
// hostile file, a folder or a missing path all give a null image and the reason.
class DrawingPreviewReader
{
public:
    static PreviewResult readFile(const QString &path);
    // The same, given up at the next read of the file once `stop` is set.
    static PreviewResult readFile(const QString &path, const std::atomic_bool &stop);
    static PreviewResult readBytes(const QByteArray &bytes);
    // Reads from an open device that allows seeking.
    static PreviewResult read(QIODevice &device);
};

} // namespace tavrolin
