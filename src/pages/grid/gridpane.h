#pragma once

#include <QFrame>

class QScrollBar;

namespace tavrolin {

class CommandGrid;

// The grid pane (Frame2): the viewport Picture2, three rows high, onto the content Picture1,
// which holds the twelve grid rows and moves up and down under the scroll bar VScroll1. The
// scroll bar's value is the distance in twips by which the content is moved up.
class GridPane : public QFrame
{
    Q_OBJECT

public:
    explicit GridPane(QWidget *parent);

    CommandGrid &grid() const { return *m_grid; }

    // Puts the content at its first row and fits the scroll bar to the viewport and the
    // content: beside the viewport and inside the pane, as high as the viewport, ranging over
    // the content's overhang.
    void doscroll();

protected:
    // The wheel anywhere over the viewport, over a cell as between cells, moves the scroll bar.
    void wheelEvent(QWheelEvent *event) override;

private:
    void scrollTo(int value);

    QWidget *m_viewport;
    QWidget *m_content;
    CommandGrid *m_grid;
    QScrollBar *m_scrollBar;
};

} // namespace tavrolin
