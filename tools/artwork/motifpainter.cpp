#include "motifpainter.h"

#include "artcolours.h"

#include <QPainterPath>
#include <QPolygonF>
#include <iterator>

namespace tavrolin {

namespace {

// Outline of a sheet whose top right corner is folded down by `fold`.
QPolygonF sheetOutline(const QRectF &rect, qreal fold)
{
    return QPolygonF({rect.topLeft(), QPointF(rect.right() - fold, rect.top()),
                      QPointF(rect.right(), rect.top() + fold), rect.bottomRight(),
                      rect.bottomLeft()});
}

} // namespace

MotifPainter::MotifPainter(QPainter &painter) : painter(painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
}

void MotifPainter::backdrop(const QRectF &area, qreal gridStep)
{
    painter.fillRect(area, QColor(artcolours::Backdrop));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(artcolours::GridLine), 1));
    for (qreal x = area.left() + gridStep / 2; x < area.right(); x += gridStep)
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    for (qreal y = area.top() + gridStep / 2; y < area.bottom(); y += gridStep)
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    painter.restore();
}

void MotifPainter::backSheet(const QRectF &rect, qreal fold)
{
    sheetShape(rect, fold, artcolours::PaperBack, artcolours::InkSoft);
}

void MotifPainter::frontSheet(const QRectF &rect, qreal fold)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(artcolours::Shadow));
    painter.drawPolygon(sheetOutline(rect.translated(1.5, 2), fold));
    painter.restore();
    sheetShape(rect, fold, artcolours::Paper, artcolours::Ink);

    // Title block along the bottom right, as on every drawing sheet.
    const qreal height = rect.height() * 0.14;
    const QRectF block(rect.right() - rect.width() * 0.45, rect.bottom() - height,
                       rect.width() * 0.45, height);
    painter.fillRect(block, QColor(artcolours::Ink));
    painter.fillRect(
        QRectF(block.left() + 2, block.top() + height / 2 - 0.5, block.width() * 0.55, 1),
        QColor(artcolours::Paper));
}

void MotifPainter::floorPlan(const QRectF &area)
{
    const qreal wall = qMax<qreal>(2, area.width() / 18);
    const qreal splitX = area.left() + area.width() * 0.48;
    const qreal splitY = area.top() + area.height() * 0.5;
    const qreal door = area.width() * 0.26;

    // Dimension line above the plan, with its two ticks.
    painter.save();
    painter.setPen(roundPen(artcolours::Accent, 1));
    const qreal dimY = area.top() - wall * 1.6;
    painter.drawLine(QPointF(area.left(), dimY), QPointF(area.right(), dimY));
    for (qreal x : {area.left(), area.right()})
        painter.drawLine(QPointF(x - 1.5, dimY + 1.5), QPointF(x + 1.5, dimY - 1.5));
    painter.restore();

    // Door swing in the inner wall.
    painter.save();
    painter.setPen(roundPen(artcolours::Detail, 1));
    const QPointF hinge(splitX, splitY + door);
    painter.drawLine(hinge, QPointF(splitX + door, splitY + door));
    QPainterPath swing;
    swing.moveTo(splitX + door, hinge.y());
    swing.arcTo(QRectF(splitX - door, hinge.y() - door, 2 * door, 2 * door), 0, 90);
    painter.drawPath(swing);
    painter.restore();

    // Walls: the outer rectangle, one inner wall with the door opening, one to the right.
    painter.save();
    QPen pen = roundPen(artcolours::Ink, wall);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    painter.drawRect(area);
    painter.drawLine(QPointF(splitX, area.top()), QPointF(splitX, splitY));
    painter.drawLine(QPointF(splitX, splitY + door), QPointF(splitX, area.bottom()));
    painter.drawLine(QPointF(splitX, splitY), QPointF(area.right(), splitY));
    painter.restore();
}

void MotifPainter::notes(const QRectF &area)
{
    // A few lines of text, as the notes beside a plan; each line a little shorter or longer.
    static constexpr qreal lengths[] = {1.0, 0.75, 0.9, 0.55};
    painter.save();
    painter.setPen(roundPen(artcolours::Detail, 1.5));
    const qreal gap = area.height() / (std::size(lengths) - 1);
    for (size_t line = 0; line < std::size(lengths); ++line) {
        const qreal y = area.top() + gap * line;
        painter.drawLine(QPointF(area.left(), y),
                         QPointF(area.left() + area.width() * lengths[line], y));
    }
    painter.restore();
}

void MotifPainter::promptBadge(const QPointF &centre, qreal radius)
{
    badgeDisc(centre, radius, artcolours::Accent);
    // A command prompt: ">" and "_".
    const qreal unit = radius / 6;
    painter.save();
    painter.setPen(roundPen(artcolours::Paper, unit * 1.3));
    const QPointF tip = centre + QPointF(-unit * 0.4, 0);
    painter.drawPolyline(QPolygonF(
        {tip + QPointF(-unit * 2.4, -unit * 2.4), tip, tip + QPointF(-unit * 2.4, unit * 2.4)}));
    painter.drawLine(centre + QPointF(unit * 1.2, unit * 2.4),
                     centre + QPointF(unit * 3.2, unit * 2.4));
    painter.restore();
}

void MotifPainter::checkBadge(const QPointF &centre, qreal radius)
{
    badgeDisc(centre, radius, artcolours::Success);
    const qreal unit = radius / 6;
    painter.save();
    painter.setPen(roundPen(artcolours::Paper, unit * 1.5));
    painter.drawPolyline(QPolygonF({centre + QPointF(-unit * 2.8, unit * 0.2),
                                    centre + QPointF(-unit * 0.8, unit * 2.2),
                                    centre + QPointF(unit * 3.0, -unit * 1.9)}));
    painter.restore();
}

void MotifPainter::sheetShape(const QRectF &rect, qreal fold, QRgb paper, QRgb outline)
{
    painter.save();
    QPen pen(QColor(outline), 1.5);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(QColor(paper));
    painter.drawPolygon(sheetOutline(rect, fold));
    // The folded-down corner.
    painter.setBrush(QColor(outline));
    painter.drawPolygon(QPolygonF({QPointF(rect.right() - fold, rect.top()),
                                   QPointF(rect.right() - fold, rect.top() + fold),
                                   QPointF(rect.right(), rect.top() + fold)}));
    painter.restore();
}

void MotifPainter::badgeDisc(const QPointF &centre, qreal radius, QRgb colour)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(artcolours::Shadow));
    painter.drawEllipse(centre + QPointF(1, 1.5), radius + 0.5, radius + 0.5);
    painter.setBrush(QColor(artcolours::Paper));
    painter.drawEllipse(centre, radius + 1.5, radius + 1.5);
    painter.setBrush(QColor(colour));
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

QPen MotifPainter::roundPen(QRgb colour, qreal width) const
{
    return QPen(QColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace tavrolin
