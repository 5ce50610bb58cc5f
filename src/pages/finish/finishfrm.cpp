#include "finishfrm.h"

#include "core/drawingpath.h"
#include "core/filefailure.h"
#include "core/programfolder.h"
#include "core/session.h"
#include "core/shell/layout.h"
#include "core/shell/messagebox.h"
#include "core/shell/savedialog.h"
#include "core/shell/shellservices.h"
#include "core/shell/wheelpassthrough.h"
#include "generation/scriptfile.h"
#include "pages/wizard/pagefactories.h"
#include "platform/keystrokes/keystrokesender.h"
#include "preflightquestion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTimer>

namespace tavrolin {

finishfrm::finishfrm(const PageContext &context)
    : PageWindow(Kind::WizardPage), m_context(context), m_lookup(programFile(u"\\tavrolin.ini"))
{
    buildControls();
    loadPicture();
    m_application->setEnabled(false);
    frmtitleset(); // without the icon the page still opens
    m_timer->start();
}

void finishfrm::buildControls()
{
    setClientSizeTwips(this, 6750, 2865);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    placeTwips(m_picture, 120, 240, 1935, 1815);

    // The title is revealed from the left: the label starts with no width and the timer widens
    // it; the text is cut off at the label's right edge.
    m_title = new QLabel(QStringLiteral("Tavrolinの終了"), this);
    m_title->setObjectName(QStringLiteral("Label1"));
    m_title->setFont(japaneseFont(24, true));
    placeTwips(m_title, 2280, 120, m_titleWidth, 600); // taller than the em: see japaneseFont
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(10);
    connect(m_timer, &QTimer::timeout, this, &finishfrm::widenTitle);

    m_run = new QCheckBox(QStringLiteral("スクリプトを実行する。"), this);
    m_run->setObjectName(QStringLiteral("Check1"));
    placeTwips(m_run, 2280, 840, 2295, 255);
    connect(m_run, &QCheckBox::clicked, this, [this](bool checked) {
        m_application->setEnabled(checked);
        if (checked)
            m_application->setFocus(Qt::OtherFocusReason);
    });

    m_application = new QComboBox(this);
    m_application->setObjectName(QStringLiteral("Combo1"));
    m_application->setEditable(true);
    m_application->setInsertPolicy(QComboBox::NoInsert);
    // A typed beginning of a title stays as typed: it matches every window whose title begins
    // with it, so completing it to a listed title would narrow the match.
    m_application->setCompleter(nullptr);
    WheelPassThrough::install(m_application);
    placeTwips(m_application, 4320, 840, 2295, 300);
    m_application->installEventFilter(this);

    m_save = new QCheckBox(QStringLiteral("名前をつけて保存する。"), this);
    m_save->setObjectName(QStringLiteral("Check2"));
    placeTwips(m_save, 2280, 1320, 2175, 255);

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    placeTwips(line, -360, 2265, 9120, 30);

    buildButtons();
    m_question = new PreflightQuestion(*this, m_context);
}

void finishfrm::buildButtons()
{
    auto *back = new QPushButton(QStringLiteral("＜戻る"), this);
    back->setObjectName(QStringLiteral("Cmdbefore"));
    placeTwips(back, 3360, 2400, 1095, 375);
    connect(back, &QPushButton::clicked, this,
            [this] { m_context.navigator.go(this, PageId::Review); });

    auto *run = new QPushButton(QStringLiteral("実行"), this);
    run->setObjectName(QStringLiteral("cmdnext"));
    placeTwips(run, 4440, 2400, 1095, 375);
    connect(run, &QPushButton::clicked, this, &finishfrm::run);

    auto *end = new QPushButton(QStringLiteral("終了"), this);
    end->setObjectName(QStringLiteral("cmdcan"));
    placeTwips(end, 5520, 2400, 1095, 375);
    connect(end, &QPushButton::clicked, this, [] { wizardcancel(); });
}

// A missing or unreadable picture leaves the picture box empty.
void finishfrm::loadPicture()
{
    const QPixmap picture(programFile(u"\\ico\\finish.bmp"));
    if (!picture.isNull())
        m_picture->setPixmap(picture);
}

void finishfrm::widenTitle()
{
    if (m_titleWidth >= kTitleWidth) {
        m_timer->stop(); // nothing more to reveal
        return;
    }
    m_titleWidth += kTitleStep;
    m_title->resize(twips(m_titleWidth), m_title->height());
}

// The list is refilled each time Combo1 takes the focus, so an edit of the settings file shows
// at the next focus. Closing the drop-down list hands the focus back without a refill.
bool finishfrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_application && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
        fillApplicationList();
    return PageWindow::eventFilter(watched, event);
}

// Entries 0 to datacount are overwritten or appended in order and the list is never cleared
// first, so it ends with one empty entry and longer old contents stay behind it. Replacing the
// current entry would replace the typed title too, so the title is put back afterwards.
void finishfrm::fillApplicationList()
{
    m_lookup.inidatainput(QStringLiteral("aplicationname"), QStringLiteral("name"));
    m_lookup.inidataset(m_lookup.inidata);
    const QSignalBlocker blocker(m_application);
    const QString title = m_application->currentText();
    for (int j = 0; j <= m_lookup.lastFilledEntry(); ++j) {
        if (j < m_application->count())
            m_application->setItemText(j, m_lookup.listdata[j]);
        else
            m_application->addItem(m_lookup.listdata[j]);
    }
    m_application->setCurrentIndex(-1);
    m_application->setEditText(title);
    m_lookup.listclear();
    lockEmptyEntries();
}

// An empty entry names no window: it keeps its place in the list, but neither the open list
// shows it nor the arrow keys stop on it.
void finishfrm::lockEmptyEntries()
{
    auto *model = qobject_cast<QStandardItemModel *>(m_application->model());
    auto *view = qobject_cast<QListView *>(m_application->view());
    for (int j = 0; j < m_application->count(); ++j) {
        const bool empty = m_application->itemText(j).isEmpty();
        model->item(j)->setEnabled(!empty);
        view->setRowHidden(j, empty);
    }
}

// The drawings are checked first: the user may go back to them. A failed hand-over skips the
// save: the user sees at once that the script did not run.
void finishfrm::run()
{
    const bool anything = m_run->isChecked() || m_save->isChecked();
    if (anything &&
        !m_question->mayGoOn(m_run->isChecked() ? m_application->currentText() : QString()))
        return;
    if (m_run->isChecked() && !handOver()) {
        showMessage(QStringLiteral("Aucadが起動していません"), ExclamationWarning);
        return;
    }
    if (m_save->isChecked())
        saveascmd();
}

// Types "_script", a line feed, the path of this copy's working script file and a carriage
// return into the chosen window. A path with a blank goes in double quotes: AutoCAD takes a
// blank for Enter.
bool finishfrm::handOver()
{
    WorkingScriptFile &file = m_context.session.WorkingScript;
    QString error;
    if (!file.claim(&error))
        return false;
    const QString keys =
        QStringLiteral("_script\n") + scriptPath(QDir::toNativeSeparators(file.path())) + u'\r';
    setBusy(true);
    // The typing blocks the event loop; let the hourglass reach the screen first.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const bool sent = keystrokeSender().sendText(m_application->currentText(), keys, &error);
    setBusy(false);
    return sent;
}

// The save dialog starts where this copy's working script file lies: in the program folder's
// "scr" when the program may write there, else in the user's own.
QString finishfrm::scriptFolder() const
{
    const QString working = m_context.session.WorkingScript.path();
    return working.isEmpty() ? programFile(u"\\scr") : QFileInfo(working).absolutePath();
}

void finishfrm::saveascmd()
{
    const QString chosen = getSaveFileName(this, windowTitle(), scriptFolder(),
                                           QStringLiteral("スクリプトファイル(*.scr)"));
    if (chosen.isEmpty())
        return;
    savepath = chosen.trimmed();
    if (!savepath.contains(QStringLiteral(".scr"))) {
        showMessage(QStringLiteral("拡張子の.scrも記述してください"), ExclamationWarning,
                    windowTitle());
        return;
    }
    if (mayReplaceFile(savepath))
        dataout();
}

// The saved file gets the same bytes as the working script file, built from the session.
void finishfrm::dataout()
{
    const Session &session = m_context.session;
    QString error;
    if (writeScriptFile(savepath, scriptFileText(session.ScriptText, session.CommentText), &error))
        return;
    showMessage(QStringLiteral("スクリプトファイル %1 を保存できません。\n%2")
                    .arg(messagePath(savepath), error),
                ExclamationWarning, windowTitle());
}

PageWindow *createFinishPage(const PageContext &context)
{
    return new finishfrm(context);
}

} // namespace tavrolin
