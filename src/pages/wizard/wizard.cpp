#include "wizard.h"

#include "core/session.h"
#include "core/shell/layout.h"
#include "core/shell/pagewindow.h"
#include "pagefactories.h"
#include "preflight/preflightrunner.h"

#include <QApplication>
#include <QScreen>

namespace tavrolin {

Wizard::Wizard()
    : m_session(std::make_unique<Session>()),
      m_preflight(std::make_unique<PreflightRunner>(*m_session))
{}

Wizard::~Wizard()
{
    for (const auto &page : m_pages)
        delete page.data();
    delete m_about.data();
    delete m_help.data();
}

PageWindow *Wizard::loaded(PageId page) const
{
    PageWindow *window = m_pages[static_cast<size_t>(page)];
    return window && !window->isClosing() ? window : nullptr;
}

PageWindow *Wizard::create(PageId page)
{
    const PageContext context{*m_session, *this, *m_preflight};
    switch (page) {
    case PageId::Welcome:
        return createWelcomePage(context);
    case PageId::Drawings:
        return createDrawingsPage(context);
    case PageId::Grid:
        return createGridPage(context);
    case PageId::Comment:
        return createCommentPage(context);
    case PageId::Review:
        return createReviewPage(context);
    case PageId::Finish:
        return createFinishPage(context);
    }
    return nullptr;
}

QWidget *Wizard::load(PageId page)
{
    auto &slot = m_pages[static_cast<size_t>(page)];
    if (!slot)
        slot = create(page);
    return slot;
}

void Wizard::start()
{
    QWidget *first = load(kStartPage);
    first->adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = first->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        first->move(frame.topLeft());
    }
    bringForward(first);
}

void Wizard::go(QWidget *from, PageId to)
{
    const QPoint where = from ? from->pos() : QPoint();
    if (from)
        from->hide();
    QWidget *page = load(to);
    if (from)
        page->move(where);
    bringForward(page);
}

void Wizard::showAbout()
{
    if (!m_about)
        m_about = createAboutBox();
    bringForward(m_about);
}

void Wizard::showHelp()
{
    if (!m_help)
        m_help = createHelpBrowser();
    bringForward(m_help);
}

void Wizard::bringForward(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

int runWizard()
{
    QApplication::setFont(japaneseFont(9));
    Wizard wizard;
    wizard.start();
    return QApplication::exec();
}

} // namespace tavrolin
