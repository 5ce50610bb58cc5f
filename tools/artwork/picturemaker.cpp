#include "picturemaker.h"

#include "artcolours.h"
#include "motifpainter.h"

#include <QPainter>
#include <QPolygonF>

namespace tavrolin {

namespace {

// The icon is designed on a 48 × 48 grid whose straight edges lie on multiples of 3, so that
// it stays sharp when scaled to 16 and 32 pixels.
constexpr qreal IconGrid = 48;

void paintIconSheet(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(artcolours::Ink));
    painter.drawPolygon(QPolygonF({{9, 3}, {30, 3}, {39, 12}, {39, 45}, {9, 45}}));
    painter.setBrush(QColor(artcolours::Paper));
    painter.drawPolygon(QPolygonF({{12, 6}, {28.76, 6}, {36, 13.24}, {36, 36}, {12, 36}}));
    painter.setBrush(QColor(artcolours::Ink));
    painter.drawPolygon(QPolygonF({{30, 3}, {30, 12}, {39, 12}}));
    // A line of the title block.
    painter.fillRect(QRectF(24, 39, 9, 3), QColor(artcolours::PaperBack));
}

void paintIconPrompt(QPainter &painter)
{
    QPen pen(QColor(artcolours::Accent), 4.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF({{16.5, 13.5}, {23.5, 20.5}, {16.5, 27.5}}));
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRectF(24, 25.5, 9, 3), QColor(artcolours::Accent));
}

// At 16 pixels a drawn chevron blurs, so the prompt is set pixel by pixel on a 16 grid.
void paintSmallIconPrompt(QPainter &painter)
{
    const QColor accent(artcolours::Accent);
    painter.save();
    painter.scale(IconGrid / 16, IconGrid / 16);
    const int chevron[][2] = {{5, 4}, {6, 5}, {7, 6}, {6, 7}, {5, 8}};
    for (const auto &pixel : chevron)
        painter.fillRect(QRect(pixel[0], pixel[1], 2, 1), accent);
    painter.fillRect(QRect(9, 8, 3, 1), accent);
    painter.restore();
}

QImage blankPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Where the parts of a picture of a batch of drawings stand: three sheets of one size, each
// further back one step up and to the right of the front sheet, the floor plan and notes on the
// front sheet, and the badge that says what the page is about.
struct BatchLayout
{
    QSize size;
    QSizeF sheet;
    qreal step;
    QRectF floorPlan;
    QRectF notes;
    void (MotifPainter::*badge)(const QPointF &centre, qreal radius);
    QPointF badgeCentre;
    qreal badgeRadius;
};

QImage batchPicture(const BatchLayout &layout)
{
    QImage image = blankPicture(layout.size.width(), layout.size.height());
    QPainter painter(&image);
    MotifPainter motif(painter);
    motif.backdrop(image.rect(), 10);
    const QPointF front(14.5, 28.5);
    for (const int back : {2, 1})
        motif.backSheet(QRectF(front + QPointF(back, -back) * layout.step, layout.sheet), 9);
    motif.frontSheet(QRectF(front, layout.sheet), 9);
    motif.floorPlan(layout.floorPlan);
    motif.notes(layout.notes);
    (motif.*layout.badge)(layout.badgeCentre, layout.badgeRadius);
    return image;
}

} // namespace

QImage PictureMaker::windowIcon(int size)
{
    QImage image = blankPicture(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / IconGrid, size / IconGrid);
    paintIconSheet(painter);
    if (size <= 16)
        paintSmallIconPrompt(painter);
    else
        paintIconPrompt(painter);
    return image;
}

QImage PictureMaker::welcomePicture()
{
    // A batch of drawings: two sheets behind the one being worked on.
    return batchPicture({QSize(WelcomeWidth, WelcomeHeight), QSizeF(76, 58), 8,
                         QRectF(24, 44, 36, 30), QRectF(66, 46, 18, 20), &MotifPainter::promptBadge,
                         QPointF(95, 95), 16});
}

QImage PictureMaker::finishPicture()
{
    // The same batch, neatly stacked and done.
    return batchPicture({QSize(FinishWidth, FinishHeight), QSizeF(80, 62), 6,
                         QRectF(24, 45, 38, 32), QRectF(68, 47, 20, 20), &MotifPainter::checkBadge,
                         QPointF(101, 92), 18});
}

} // namespace tavrolin
