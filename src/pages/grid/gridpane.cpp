#include "gridpane.h"

#include "commandgrid.h"
#include "core/shell/layout.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kRowPitch = 600;
constexpr int kVisibleRows = 3;

} // namespace

GridPane::GridPane(QWidget *parent)
    : QFrame(parent), m_viewport(new QWidget(this)), m_content(new QWidget(m_viewport)),
      m_grid(new CommandGrid(m_content)), m_scrollBar(new QScrollBar(Qt::Vertical, this))
{
    setObjectName(u"Frame2"_s);
    // The pane hides the instruction pane when it is in front.
    setAutoFillBackground(true);
    m_viewport->setObjectName(u"Picture2"_s);
    placeTwips(m_viewport, 0, 0, 9015, 1935);
    m_content->setObjectName(u"Picture1"_s);
    placeTwips(m_content, 0, 0, 9015, 7335);
    m_scrollBar->setObjectName(u"VScroll1"_s);
    placeTwips(m_scrollBar, 9000, 0, 255, 1935);
    m_scrollBar->setSingleStep(kRowPitch);
    m_scrollBar->setPageStep(kRowPitch * kVisibleRows);
    // The grid follows a dragged thumb when it is released.
    m_scrollBar->setTracking(false);
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &GridPane::scrollTo);
}

void GridPane::doscroll()
{
    m_content->move(0, 0);
    // The bar must lie whole inside the pane, whose right edge would cut it off: the viewport
    // gives way by the difference (its cells end well before its right edge).
    m_viewport->resize(qMin(m_viewport->width(), width() - m_scrollBar->width()),
                       m_viewport->height());
    const QRect view = m_viewport->geometry();
    m_scrollBar->setGeometry(view.x() + view.width(), view.y(), m_scrollBar->width(),
                             view.height());
    const int overhang = (m_content->height() - view.height()) * kTwipsPerPixel;
    m_scrollBar->setRange(0, qMax(overhang, 0));
    m_scrollBar->setEnabled(view.height() < m_content->height());
}

void GridPane::wheelEvent(QWheelEvent *event)
{
    QCoreApplication::sendEvent(m_scrollBar, event);
}

void GridPane::scrollTo(int value)
{
    m_content->move(m_content->x(), twips(-value));
}

} // namespace tavrolin
