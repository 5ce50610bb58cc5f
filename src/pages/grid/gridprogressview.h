#pragma once

#include "core/shell/eventyield.h"
#include "generation/generationview.h"

class QLabel;
class QProgressBar;

namespace tavrolin {

class PageWindow;

// What script generation shows on the grid page: the page disabled with the hourglass while the
// lines and the script are built, the progress bar with its caption in place of the example line,
// and turns of the event loop so the window stays painted.
class GridProgressView : public GenerationView
{
public:
    GridProgressView(PageWindow &page, QProgressBar &bar, QLabel &caption, QLabel &example);

    void setPageEnabled(bool enabled) override;
    void progprocess(int drawingno, int drawingCount) override;
    void yieldToEventLoop() override;

private:
    PageWindow &m_page;
    QProgressBar &m_bar;
    QLabel &m_caption;
    QLabel &m_example;
    // One turn of the event loop costs more than assembling one drawing's block, so the loop
    // turns every few milliseconds rather than after every drawing.
    EventYield m_yield;
    bool m_paintNow = false;
};

} // namespace tavrolin
