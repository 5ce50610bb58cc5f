#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace tavrolin {

// Shows the preview picture stored in a drawing, scaled to fit the widget with its aspect ratio
// kept and centred. A drawing without a preview, an unreadable file or an empty path leave the
// widget blank; nothing is ever reported to the user.
class DwgThumbnail : public QWidget
{
    Q_OBJECT

public:
    explicit DwgThumbnail(QWidget *parent = nullptr);

    // Reads the drawing's preview at once and repaints.
    void setDrawingPath(const QString &path);
    // Shows a preview read elsewhere (a null image leaves the widget blank).
    void setPreview(const QString &path, const QImage &image);
    QString drawingPath() const { return m_path; }
    bool hasPreview() const { return !m_image.isNull(); }
    QImage previewImage() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QImage &scaledFor(const QSize &size);

    QString m_path;
    QImage m_image;
    QImage m_scaled;
};

} // namespace tavrolin
