#pragma once

#include "core/shell/navigator.h"

#include <QObject>

class QLabel;
class QProgressBar;

namespace tavrolin {

class PageWindow;
struct PreflightReport;

// The finish page's last look at the drawings before the script is handed over or saved: the
// list is checked once more, now also against the release that the picked window title names,
// and when anything is found one question lists the findings (the first ten, then how many more)
// and asks whether to go on. "いいえ" goes back to the drawing list, whose marks show every
// reason; nothing is ever removed from the list. A list without findings asks nothing.
class PreflightQuestion : public QObject
{
    Q_OBJECT

public:
    static constexpr int kListed = 10;

    PreflightQuestion(PageWindow &page, const PageContext &context);

    // True when the run may go on. `windowTitle` is the title picked for the hand-over; empty
    // when the script is only saved, and no release is known.
    bool mayGoOn(const QString &windowTitle);

    static QString question(const PreflightReport &report);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool waitForCheck();

    PageWindow &m_page;
    PageContext m_context;
    QLabel *m_caption;
    QProgressBar *m_progress;
    bool m_closeAsked = false;
};

} // namespace tavrolin
