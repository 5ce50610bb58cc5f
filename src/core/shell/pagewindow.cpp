#include "pagewindow.h"

#include "shellservices.h"

#include <QCloseEvent>

namespace tavrolin {

PageWindow::PageWindow(Kind kind) : QWidget(nullptr), m_kind(kind)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void PageWindow::setBusy(bool busy)
{
    setCursor(busy ? Qt::WaitCursor : Qt::ArrowCursor);
}

void PageWindow::closeEvent(QCloseEvent *event)
{
    m_closing = true;
    event->accept();
    if (m_kind == Kind::WizardPage)
        frmallunload();
}

bool PageWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        emit activated();
    return QWidget::event(event);
}

} // namespace tavrolin
