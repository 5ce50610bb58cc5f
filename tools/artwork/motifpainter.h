#pragma once

#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace tavrolin {

// Draws the motifs that the program's pictures are made of: blueprint paper, drawing sheets
// with a folded corner, a small floor plan, and round badges for "script" and "done".
class MotifPainter
{
public:
    explicit MotifPainter(QPainter &painter);

    void backdrop(const QRectF &area, qreal gridStep);
    void backSheet(const QRectF &rect, qreal fold);
    void frontSheet(const QRectF &rect, qreal fold);
    void floorPlan(const QRectF &area);
    void notes(const QRectF &area);
    void promptBadge(const QPointF &centre, qreal radius);
    void checkBadge(const QPointF &centre, qreal radius);

private:
    void sheetShape(const QRectF &rect, qreal fold, QRgb paper, QRgb outline);
    void badgeDisc(const QPointF &centre, qreal radius, QRgb colour);
    QPen roundPen(QRgb colour, qreal width) const;

    QPainter &painter;
};

} // namespace tavrolin
