#pragma once

#include "core/shell/navigator.h"
#include "core/shell/pagewindow.h"

namespace tavrolin {

class CommentBox;

// The comment page: the user edits the comment block that ends the script file. The block
// starts as the comment template followed by the date line, stamped once when the page loads;
// "次へ＞" stores it in CommentText.
class commentfrm : public PageWindow
{
    Q_OBJECT

public:
    explicit commentfrm(const PageContext &context);

private:
    void buildControls();
    void commentdataset();
    QString templateText() const;
    void storeComment();

    PageContext m_context;
    CommentBox *m_box = nullptr;
};

} // namespace tavrolin
