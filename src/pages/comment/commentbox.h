#pragma once

#include <QPlainTextEdit>

namespace tavrolin {

// The comment page's box, with the keys of a Windows text box: Tab and Shift+Tab move on to the
// next or previous control like everywhere else on the page, and Ctrl+Tab types a tab.
class CommentBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit CommentBox(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace tavrolin
