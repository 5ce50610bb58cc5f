#pragma once

#include "core/shell/navigator.h"
#include "core/shell/pagewindow.h"

class QPlainTextEdit;

namespace tavrolin {

class ChunkedTextFill;

// The script review page: shows the script file text, rebuilt from the session whenever the
// page is shown, and writes it to this copy's working script file ("\scr\tmp.scr" for the
// first copy) on "次へ＞". The box is read-only: what it shows is what is written.
class scriptcodefrm : public PageWindow
{
    Q_OBJECT

public:
    explicit scriptcodefrm(const PageContext &context);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    QString scriptText() const;
    void showScript();
    void forward();
    bool acceptLostCharacters(const QString &text) const;
    bool dataout(const QString &text) const;

    PageContext m_context;
    QPlainTextEdit *m_box = nullptr;
    ChunkedTextFill *m_fill = nullptr;
    // What the box was last given, to skip refilling it with the same text (a fill of the
    // largest scripts takes seconds).
    QString m_shownScript;
    QString m_shownComment;
    bool m_shownOnce = false;
};

} // namespace tavrolin
