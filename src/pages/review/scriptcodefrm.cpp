#include "scriptcodefrm.h"

#include "chunkedtextfill.h"
#include "core/filefailure.h"
#include "core/session.h"
#include "core/shell/layout.h"
#include "core/shell/messagebox.h"
#include "core/shell/shellservices.h"
#include "generation/scriptfile.h"
#include "pages/wizard/pagefactories.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tavrolin {

scriptcodefrm::scriptcodefrm(const PageContext &context)
    : PageWindow(Kind::WizardPage), m_context(context)
{
    buildControls();
    frmtitleset(); // without the icon the page still opens
    showScript();
    connect(this, &PageWindow::activated, this, &scriptcodefrm::showScript);
}

void scriptcodefrm::buildControls()
{
    setClientSizeTwips(this, 6750, 2865);

    auto *title =
        new QLabel(QStringLiteral("生成されたスクリプトファイルを確認してください"), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(japaneseFont(14.25, true));
    placeTwips(title, 120, 120, 6135, 375);

    m_box = new QPlainTextEdit(this);
    m_box->setObjectName(QStringLiteral("RichTextBox1"));
    m_box->setFont(japaneseFont(9));
    m_box->setUndoRedoEnabled(false); // every fill would stack up megabytes of undo steps
    // What the box shows is what is written: it can be read, selected and copied, not edited.
    m_box->setReadOnly(true);
    m_box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // One line of the box is one line of the script, each of whose blanks is an Enter.
    m_box->setLineWrapMode(QPlainTextEdit::NoWrap);
    placeTwips(m_box, 120, 480, 6495, 1695);
    m_fill = new ChunkedTextFill(m_box);

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    placeTwips(line, -240, 2265, 9120, 30);

    auto *back = new QPushButton(QStringLiteral("＜戻る"), this);
    back->setObjectName(QStringLiteral("Cmdbefore"));
    placeTwips(back, 3360, 2400, 1095, 375);
    connect(back, &QPushButton::clicked, this,
            [this] { m_context.navigator.go(this, PageId::Comment); });

    auto *next = new QPushButton(QStringLiteral("次へ＞"), this);
    next->setObjectName(QStringLiteral("cmdnext"));
    placeTwips(next, 4440, 2400, 1095, 375);
    connect(next, &QPushButton::clicked, this, &scriptcodefrm::forward);

    auto *cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("cmdcan"));
    placeTwips(cancel, 5520, 2400, 1095, 375);
    connect(cancel, &QPushButton::clicked, this, [] { wizardcancel(); });
}

// Showing the page rebuilds the text even where the platform sends no activation.
void scriptcodefrm::showEvent(QShowEvent *event)
{
    PageWindow::showEvent(event);
    showScript();
}

QString scriptcodefrm::scriptText() const
{
    return scriptFileText(m_context.session.ScriptText, m_context.session.CommentText);
}

// Puts the script file text, built afresh, into the box, unless the box already holds exactly
// that text.
void scriptcodefrm::showScript()
{
    const Session &session = m_context.session;
    if (m_shownOnce && session.ScriptText == m_shownScript && session.CommentText == m_shownComment)
        return;
    m_shownScript = session.ScriptText;
    m_shownComment = session.CommentText;
    m_shownOnce = true;
    m_fill->start(scriptText());
}

// Writes the working script file from the text built afresh, never from the box, and moves on
// to the finish page only once the file is written, so the finish page never hands AutoCAD a
// stale or half-written script.
void scriptcodefrm::forward()
{
    showScript();
    const QString text = scriptText();
    if (!acceptLostCharacters(text) || !dataout(text))
        return;
    m_context.navigator.go(this, PageId::Finish);
}

// Characters the ANSI code page cannot hold are written as '?'; the user decides whether that
// will do. Enter alone keeps the script unwritten: a '?' in a path opens no drawing.
bool scriptcodefrm::acceptLostCharacters(const QString &text) const
{
    const QString warning = lostCharactersWarning(text);
    return warning.isEmpty() || showMessage(warning + QStringLiteral("\n\n続けますか？"),
                                            ExclamationQuestion | NoByDefault) == AnswerYes;
}

// The working script file is this copy's own, in the program folder or else in the user's.
bool scriptcodefrm::dataout(const QString &text) const
{
    WorkingScriptFile &file = m_context.session.WorkingScript;
    QString error;
    if (!file.claim(&error)) {
        showMessage(error, ExclamationWarning);
        return false;
    }
    if (writeScriptFile(file.path(), text, &error))
        return true;
    showMessage(QStringLiteral("スクリプトファイル %1 を書き込めません。\n%2")
                    .arg(messagePath(file.path()), error),
                ExclamationWarning);
    return false;
}

PageWindow *createReviewPage(const PageContext &context)
{
    return new scriptcodefrm(context);
}

} // namespace tavrolin
