#include "commentbox.h"

#include <QKeyEvent>

namespace tavrolin {

CommentBox::CommentBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
}

void CommentBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier) {
        insertPlainText(QStringLiteral("\t"));
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

} // namespace tavrolin
