#include "openselectfrm.h"

#include "clipplayer.h"
#include "core/drawinglistfile.h"
#include "core/drawingpath.h"
#include "core/programfolder.h"
#include "core/session.h"
#include "core/shell/layout.h"
#include "core/shell/messagebox.h"
#include "core/shell/shellservices.h"
#include "drawinglistactions.h"
#include "drawinglistmarks.h"
#include "filedroplist.h"
#include "listpreviewer.h"
#include "pages/wizard/pagefactories.h"
#include "platform/preview/dwgthumbnail.h"
#include "platform/preview/previewcache.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <exception>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

const QString ReplaceQuestion = u"今までのファイルリストが削除されますよろしいですか？"_s;
const QString NotADrawing = u"これはDwg・DXFファイルでは有りません"_s;
const QString NoDrawingInFolder = u"このフォルダにはDwg・DXFファイルが有りません"_s;
const QString TooManyDrawings =
    u"図面が多すぎます。一度にリストに追加できる図面は%1件までです。"_s.arg(
        Session::kDrawingCapacity);
const QString Added = u"図面がリストに追加されました"_s;
const QString Importing = u"インポート中しばらくお待ちください"_s;
const QString ClearQuestion = u"本当にリストをクリアーしますか？"_s;
const QString NothingToClear = u"ファイルは選択されていません"_s;
const QString NothingSelected = u"ファイルが選択されてません"_s;
const QString ClipFile = u"FileCopy.avi"_s;

// Items are added to the list box in batches: one insertion of many rows costs far less than
// as many insertions of one row.
constexpr int ListBatch = 1000;

// Runs a handler of the page; an unexpected failure is shown in a warning and ends the handler.
template <typename Handler>
void reportingFailures(Handler handler)
{
    try {
        handler();
    } catch (const std::exception &failure) {
        showFailure(failure);
    }
}

template <typename Control>
Control *placed(Control *control, const QString &name, int left, int top, int width, int height)
{
    control->setObjectName(name);
    placeTwips(control, left, top, width, height);
    return control;
}

QLabel *label(QWidget *parent, const QString &name, const QString &caption, int left, int top,
              int width, int height)
{
    auto *control = placed(new QLabel(caption, parent), name, left, top, width, height);
    control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return control;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                    int width, int height)
{
    return placed(new QPushButton(caption, parent), name, left, top, width, height);
}

} // namespace

openselectfrm::openselectfrm(const PageContext &context)
    : PageWindow(Kind::WizardPage), m_context(context)
{
    setObjectName(u"openselectfrm"_s);
    buildControls();
    connectHandlers();
    load();
}

void openselectfrm::buildControls()
{
    setClientSizeTwips(this, 6750, 2820);
    Frame1 = placed(new QGroupBox(this), u"Frame1"_s, 120, 0, 6615, 2175);
    Label1 =
        label(Frame1, u"Label1"_s,
              u"処理を行なう図面をエキスプローラから左のリストボックスへドラッグしてください。"_s,
              120, 240, 2895, 735);
    Label1->setWordWrap(true);
    Animation1 = placed(new ClipPlayer(Frame1), u"Animation1"_s, 120, 960, 3015, 495);
    Label2 = label(Frame1, u"Label2"_s, QString(), 120, 1200, 2895, 375);
    Label3 = label(Frame1, u"Label3"_s, QString(), 120, 1560, 2895, 255);
    ProgressBar1 = placed(new QProgressBar(Frame1), u"ProgressBar1"_s, 120, 1800, 2895, 255);
    ProgressBar1->setTextVisible(false);
    List1 = placed(new FileDropList(Frame1), u"List1"_s, 3120, 240, 3375, 1860);
    m_previews = new PreviewCache(this);
    new ListPreviewer(*List1, *m_previews);
    m_marks = new DrawingListMarks(*List1, *Frame1, m_context.preflight);
    Line1 = placed(new QFrame(this), u"Line1"_s, 120, 2265, 6615, 30);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Command1 = button(this, u"Command1"_s, u"リストクリアー"_s, 120, 2400, 1215, 375);
    Label4 = label(this, u"Label4"_s, u"図面プレビュー"_s, 1440, 2520, 1215, 255);
    DwgThumbnail1 = placed(new DwgThumbnail(this), u"DwgThumbnail1"_s, 2760, 2400, 615, 375);
    Cmdbefore = button(this, u"Cmdbefore"_s, u"＜戻る"_s, 3480, 2400, 1095, 375);
    cmdnext = button(this, u"cmdnext"_s, u"次へ＞"_s, 4560, 2400, 1095, 375);
    cmdcan = button(this, u"cmdcan"_s, u"キャンセル"_s, 5640, 2400, 1095, 375);
}

void openselectfrm::connectHandlers()
{
    connect(List1, &FileDropList::filesDropped, this, &openselectfrm::dropFiles);
    connect(List1, &QListWidget::itemClicked, this, &openselectfrm::showPreview);
    connect(List1, &QListWidget::currentItemChanged, this, &openselectfrm::showPreview);
    connect(m_previews, &PreviewCache::ready, this, &openselectfrm::previewRead);
    connect(new DrawingListActions(*this, *List1->viewport(), m_context.session),
            &DrawingListActions::listRead, this, &openselectfrm::openList);
    connect(Command1, &QPushButton::clicked, this, &openselectfrm::clearList);
    connect(cmdnext, &QPushButton::clicked, this, &openselectfrm::goNext);
    connect(Cmdbefore, &QPushButton::clicked, this,
            [this] { m_context.navigator.go(this, PageId::Welcome); });
    connect(cmdcan, &QPushButton::clicked, this, [] { wizardcancel(); });
}

// A missing or unreadable window icon is reported, and the page loads all the same.
void openselectfrm::load()
{
    reportingFailures([this] {
        ProgressBar1->hide();
        Label3->hide();
        const QString iconError = frmtitleset();
        if (!iconError.isEmpty())
            showMessage(iconError, ExclamationWarning);
        frmdefaultset();
    });
}

void openselectfrm::frmdefaultset()
{
    reportingFailures([this] {
        Label2->hide();
        List1->clear();
        Animation1->show();
        List1->setAcceptDrops(true);
    });
}

void openselectfrm::av(const QString &filename)
{
    reportingFailures([this, &filename] {
        Animation1->show();
        Animation1->setAutoPlay(true);
        QString error;
        if (!Animation1->open(programFile(u'\\' + filename), &error)) {
            showMessage(error, ExclamationWarning);
            return;
        }
        Label2->show();
    });
}

void openselectfrm::progprocess()
{
    reportingFailures([this] {
        setBusy(true);
        ProgressBar1->show();
        ProgressBar1->setMinimum(0);
        ProgressBar1->setMaximum(dropcount);
        ProgressBar1->setValue(addcount);
        Label3->show();
        Label2->hide();
        Label3->setText(Importing);
    });
}

void openselectfrm::clearset()
{
    reportingFailures([this] {
        std::vector<QString> &paths = m_context.session.DrawingPaths;
        std::fill(paths.begin(), paths.end(), QString());
        m_context.session.DrawingCount = 0;
        m_context.session.drawingListChanged();
        m_previews->clear();
        m_marks->listCleared();
        // The small box shows no drawing of a list that is gone.
        DwgThumbnail1->setDrawingPath(QString());
        Label2->hide();
    });
}

bool openselectfrm::hasDrawingList() const
{
    return !m_context.session.DrawingPaths.at(0).isEmpty();
}

void openselectfrm::clearList()
{
    reportingFailures([this] {
        if (!hasDrawingList()) {
            showMessage(NothingToClear, ExclamationWarning);
            return;
        }
        if (showMessage(ClearQuestion, YesNoQuestion) != AnswerYes)
            return;
        clearset();
        List1->clear();
        Label3->hide();
    });
}

void openselectfrm::goNext()
{
    reportingFailures([this] {
        if (List1->count() > 0 && !List1->item(0)->text().isEmpty())
            m_context.navigator.go(this, PageId::Grid);
        else
            showMessage(NothingSelected, ExclamationWarning);
    });
}

// A click on an entry, or a move to it with the keys, previews that drawing; a drawing not read
// yet shows when it has been.
void openselectfrm::showPreview(QListWidgetItem *item)
{
    if (!item)
        return;
    const QString path = item->text();
    DwgThumbnail1->setPreview(path, m_previews->find(path).value_or(QImage()));
    m_previews->request(path);
}

void openselectfrm::previewRead(const QString &path)
{
    if (DwgThumbnail1->drawingPath() == path)
        DwgThumbnail1->setPreview(path, m_previews->find(path).value_or(QImage()));
}

void openselectfrm::dropFiles(const QStringList &dropped)
{
    takeDrop(dropped, nullptr);
}

// The drawings of a drawing list file are dropped as its lines name them; a refusal names the
// line.
void openselectfrm::openList(const DrawingListFile &list)
{
    takeDrop(list.drawings, &list);
}

// The drop is handled after its event has returned (see FileDropList). A drop that arrives while
// one is being handled is ignored: the list takes no drops meanwhile, and a drop already
// accepted is dropped here. Whatever its end, the list has the focus after it, for the keys
// that work on its entries.
void openselectfrm::takeDrop(const QStringList &dropped, const DrawingListFile *list)
{
    if (m_phase != DropPhase::Idle)
        return;
    const QPointer<openselectfrm> self(this);
    m_phase = DropPhase::Collecting;
    List1->setAcceptDrops(false);
    try {
        importDrop(dropped, list);
    } catch (const std::exception &failure) {
        if (self)
            abandonDrop(failureDescription(failure));
    }
    if (!self)
        return;
    m_phase = DropPhase::Idle;
    List1->setAcceptDrops(true);
    activateWindow();
    List1->setFocus(Qt::OtherFocusReason);
}

// The drop is walked and checked whole before the question that replaces the list, so a
// refused drop leaves the list, the preview and the session as they were. Every step that lets
// the event loop run may see the page closed; the drop then ends at once.
void openselectfrm::importDrop(const QStringList &dropped, const DrawingListFile *list)
{
    av(ClipFile);
    DropContents contents;
    // Meanwhile the old list still stands, and the page takes no input: nothing can move on with
    // the old list, or change it, before the drop has asked to replace it.
    setEnabled(false);
    setBusy(true);
    const DropContents::Outcome walked = turnEventLoop(true)
                                             ? contents.expand(dropped, Session::kDrawingCapacity,
                                                               [this] { return turnEventLoop(); })
                                             : DropContents::Outcome::Stopped;
    if (walked == DropContents::Outcome::Stopped)
        return;
    dropcount = 0;
    addcount = 0;
    Label3->show();
    QString refusal = walked == DropContents::Outcome::OverCapacity ? TooManyDrawings : QString();
    if (refusal.isEmpty() && !checkPass(contents.entries(), list, &refusal))
        return;
    setEnabled(true);
    setBusy(false);
    if (!refusal.isEmpty()) {
        refuseDrop(refusal);
        return;
    }
    if (mayReplaceList() && importPass(contents.entries()))
        finishImport();
}

// A drop always replaces the list; replacing one asks first.
bool openselectfrm::mayReplaceList()
{
    if (!hasDrawingList())
        return true;
    if (showMessage(ReplaceQuestion, ExclamationQuestion) != AnswerYes) {
        Label3->hide();
        hideAnimation();
        return false;
    }
    List1->clear();
    clearset();
    return true;
}

// Every entry must be a drawing whose path a script can hold, or the whole drop is refused, for
// its first failing entry: *refusal says why and names the entry. False when the page was closed
// meanwhile.
bool openselectfrm::checkPass(const QList<DropContents::Entry> &entries,
                              const DrawingListFile *list, QString *refusal)
{
    if (!turnEventLoop(true))
        return false;
    for (const DropContents::Entry &entry : entries) {
        *refusal = refusalOf(entry, list);
        if (!refusal->isEmpty())
            return true;
        ++dropcount;
        if (!turnEventLoop())
            return false;
    }
    return true;
}

// The drawings go to the list box and to the session's drawing list; bounds-checked writes, so
// a list that outgrew the session's arrays fails instead of writing past them.
bool openselectfrm::importPass(const QList<DropContents::Entry> &entries)
{
    m_phase = DropPhase::Importing;
    Session &session = m_context.session;
    session.drawingListChanged();
    QStringList batch;
    int n = 0;
    for (const DropContents::Entry &entry : entries) {
        setEnabled(false);
        progprocess();
        if (!turnEventLoop(n == 0))
            return false;
        batch.append(entry.path);
        if (batch.size() == ListBatch) {
            List1->addItems(batch);
            batch.clear();
        }
        session.DrawingPaths.at(n) = entry.path;
        session.OpenCommands.at(n) = openCommand(entry.path);
        addcount = ++n;
    }
    List1->addItems(batch);
    return true;
}

// Why the entry cannot be listed, naming it (and, for a drawing list file's, its line); the empty
// text when it can.
QString openselectfrm::refusalOf(const DropContents::Entry &entry, const DrawingListFile *list)
{
    QString reason;
    if (entry.kind == DropContents::Kind::File && !isDrawingPath(entry.path))
        reason = NotADrawing;
    else if (entry.kind == DropContents::Kind::EmptyFolder)
        reason = NoDrawingInFolder;
    else if (!isScriptSafePath(entry.path))
        reason = unsafeDrawingPathMessage();
    else
        return {};
    const QString shown = visibleControls(entry.path);
    return reason + u'\n' + (list ? list->place(entry.source, shown) : shown);
}

void openselectfrm::finishImport()
{
    m_context.session.DrawingCount = addcount;
    Label3->hide();
    Label2->show();
    ProgressBar1->hide();
    hideAnimation();
    setEnabled(true);
    setBusy(false);
    Label2->setText(Added);
    m_marks->listChanged();
}

void openselectfrm::refuseDrop(const QString &warning)
{
    showMessage(warning, ExclamationWarning);
    Label3->setText(QString());
    Label2->setText(QString());
    hideAnimation();
}

// An unexpected failure puts the page back to work and reports it. A failure while importing
// removes what this drop had added, so the list box and the session agree: nothing of the drop
// is listed, as when a path is refused.
void openselectfrm::abandonDrop(const QString &failure)
{
    if (m_phase == DropPhase::Importing) {
        List1->clear();
        clearset();
    }
    Label3->hide();
    ProgressBar1->hide();
    hideAnimation();
    setEnabled(true);
    setBusy(false);
    showMessage(failure, ExclamationWarning);
}

void openselectfrm::hideAnimation()
{
    Animation1->stop();
    Animation1->hide();
}

// One turn of the event loop, at most every few milliseconds: a turn costs far more than one
// step of the drop, so a turn per step would make a drop of many files many times slower, while
// the clip and the progress bar move as smoothly. False when the page was closed meanwhile.
bool openselectfrm::turnEventLoop(bool immediately)
{
    const QPointer<openselectfrm> self(this);
    if (immediately)
        m_yield.now();
    else
        m_yield();
    return self && !isClosing();
}

PageWindow *createDrawingsPage(const PageContext &context)
{
    return new openselectfrm(context);
}

} // namespace tavrolin
