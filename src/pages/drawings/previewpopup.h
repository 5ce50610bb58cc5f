#pragma once

#include <QFrame>
#include <QImage>
#include <QString>

class QLabel;

namespace tavrolin {

// A drawing's stored preview at a readable size, with the drawing's file name under it and its
// folder below that, in a small window beside the list entry it belongs to. It takes neither the
// focus nor the mouse, like a tooltip.
class PreviewPopup : public QFrame
{
    Q_OBJECT

public:
    static constexpr int MinWidth = 180;  // pixels; a smaller preview is scaled up
    static constexpr int ScreenShare = 5; // never wider or taller than a fifth of the screen

    explicit PreviewPopup(QWidget *parent);

    // Shows the preview beside `list` (a rectangle in global coordinates), level with `entryTop`
    // (a global y), on the screen that holds the list.
    void showPreview(const QString &path, const QImage &image, const QRect &list, int entryTop);

    QString drawingPath() const { return m_path; }
    QSize pictureSize() const;

    // The size at which a preview of `image` pixels is shown on a screen of `screen` pixels: its
    // own size, scaled up to MinWidth when narrower, and scaled down to fit a fifth of the
    // screen's width and height; the shape is kept.
    static QSize pictureSize(const QSize &image, const QSize &screen);

private:
    void placeBeside(const QRect &list, int entryTop, const QRect &screen);

    QString m_path;
    QLabel *m_picture;
    QLabel *m_name;
    QLabel *m_folder;
};

} // namespace tavrolin
