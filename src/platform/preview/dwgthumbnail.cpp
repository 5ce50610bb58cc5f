#include "dwgthumbnail.h"

#include "drawingpreviewreader.h"

#include <QPainter>

namespace tavrolin {

DwgThumbnail::DwgThumbnail(QWidget *parent) : QWidget(parent) {}

void DwgThumbnail::setDrawingPath(const QString &path)
{
    setPreview(path, path.isEmpty() ? QImage() : DrawingPreviewReader::readFile(path).image);
}

void DwgThumbnail::setPreview(const QString &path, const QImage &image)
{
    m_path = path;
    m_image = image;
    m_scaled = QImage();
    update();
}

void DwgThumbnail::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    const QSize fitted = m_image.size().scaled(size(), Qt::KeepAspectRatio);
    if (fitted.isEmpty())
        return;
    const QPoint topLeft((width() - fitted.width()) / 2, (height() - fitted.height()) / 2);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(topLeft, fitted), scaledFor(fitted));
}

// The preview resampled once per size (area averaging when shrinking), so repaints only copy.
const QImage &DwgThumbnail::scaledFor(const QSize &size)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size * ratio;
    if (m_scaled.size() != pixels) {
        m_scaled = m_image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaled.setDevicePixelRatio(ratio);
    }
    return m_scaled;
}

} // namespace tavrolin
