#include "pagewindow.h"

#include "shellservices.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

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
    m_busy = busy;
    if (!busy && m_closeWhenDone) {
        m_closeWhenDone = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

void PageWindow::closeEvent(QCloseEvent *event)
{
    if (m_busy) {
        m_closeWhenDone = true;
        event->ignore();
        return;
    }
    m_closing = true;
    event->accept();
    if (m_kind == Kind::WizardPage)
        frmallunload();
}

// Enter presses the focused button, as Space does. A control that takes Enter itself (a drop-down
// list, the comment box) keeps it; a held key presses once, so it cannot run through the pages.
// Escape closes a side window, as it closes a dialog box; a control that takes Escape itself (an
// open drop-down list) keeps it.
void PageWindow::keyPressEvent(QKeyEvent *event)
{
    if (m_kind == Kind::SideWindow && event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    auto *button = qobject_cast<QPushButton *>(focusWidget());
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!button || !enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        button->click();
}

bool PageWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        emit activated();
    return QWidget::event(event);
}

} // namespace tavrolin
