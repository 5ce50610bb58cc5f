#include "gridprogressview.h"

#include "core/shell/pagewindow.h"

#include <QLabel>
#include <QProgressBar>

namespace tavrolin {

GridProgressView::GridProgressView(PageWindow &page, QProgressBar &bar, QLabel &caption,
                                   QLabel &example)
    : m_page(page), m_bar(bar), m_caption(caption), m_example(example)
{}

void GridProgressView::setPageEnabled(bool enabled)
{
    m_page.setEnabled(enabled);
    if (!enabled)
        m_page.setBusy(true);
}

void GridProgressView::progprocess(int drawingno, int drawingCount)
{
    m_page.setBusy(true);
    m_bar.setVisible(true);
    m_bar.setMinimum(0);
    m_bar.setMaximum(drawingCount);
    m_bar.setValue(drawingno);
    m_caption.show();
    m_example.hide();
    m_paintNow = m_paintNow || drawingno == 0;
}

// The progress display is painted as soon as it appears; afterwards the loop turns every few
// milliseconds.
void GridProgressView::yieldToEventLoop()
{
    if (m_paintNow) {
        m_paintNow = false;
        m_yield.now();
    } else {
        m_yield();
    }
}

} // namespace tavrolin
