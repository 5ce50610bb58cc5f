#include "commentfrm.h"

#include "commentbox.h"
#include "core/clock.h"
#include "core/programfolder.h"
#include "core/session.h"
#include "core/shell/layout.h"
#include "core/shell/messagebox.h"
#include "core/shell/shellservices.h"
#include "generation/commentblock.h"
#include "pages/wizard/pagefactories.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace tavrolin {

commentfrm::commentfrm(const PageContext &context)
    : PageWindow(Kind::WizardPage), m_context(context)
{
    buildControls();
    commentdataset();
    frmtitleset(); // without the icon the page still opens
}

void commentfrm::buildControls()
{
    setClientSizeTwips(this, 6750, 2865);

    auto *title = new QLabel(QStringLiteral("コメントの作成"), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(japaneseFont(14.25, true));
    placeTwips(title, 240, 120, 3255, 360); // taller than the em: fonts differ in line height

    m_box = new CommentBox(this);
    m_box->setObjectName(QStringLiteral("RichTextBox1"));
    m_box->setFont(japaneseFont(9));
    placeTwips(m_box, 120, 480, 6495, 1695);

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    placeTwips(line, 0, 2265, 9120, 30);

    auto *back = new QPushButton(QStringLiteral("＜戻る"), this);
    back->setObjectName(QStringLiteral("Cmdbefore"));
    placeTwips(back, 3360, 2400, 1095, 375);
    connect(back, &QPushButton::clicked, this,
            [this] { m_context.navigator.go(this, PageId::Grid); });

    auto *next = new QPushButton(QStringLiteral("次へ＞"), this);
    next->setObjectName(QStringLiteral("cmdnext"));
    placeTwips(next, 4440, 2400, 1095, 375);
    connect(next, &QPushButton::clicked, this, [this] {
        storeComment();
        m_context.navigator.go(this, PageId::Review);
    });

    auto *cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("cmdcan"));
    placeTwips(cancel, 5520, 2400, 1095, 375);
    connect(cancel, &QPushButton::clicked, this, [] { wizardcancel(); });
}

// The block starts as the template with the date line glued to its end; the stamp is taken
// here, once per run, so later visits keep the first date line.
void commentfrm::commentdataset()
{
    m_box->setPlainText(initialCommentBlock(templateText(), clock().now()));
    storeComment();
}

// The comment template, or the empty text when it cannot be read: the page opens all the same,
// with the date line alone, after telling the user why the template is missing.
QString commentfrm::templateText() const
{
    const QString path = programFile(u"\\commentdata.dat");
    QString text;
    QString error;
    if (!readCommentTemplate(path, &text, &error)) {
        showMessage(unreadableTemplateWarning(path, error), ExclamationWarning);
        return {};
    }
    return text;
}

// The box gives its lines back separated by line feeds; the script file separates lines with
// CR LF, so every line break of the box is stored as CR LF.
void commentfrm::storeComment()
{
    m_context.session.CommentText = normaliseLineBreaks(m_box->toPlainText());
}

PageWindow *createCommentPage(const PageContext &context)
{
    return new commentfrm(context);
}

} // namespace tavrolin
