#include "clipplayer.h"
#include "core/drawingpath.h"
#include "core/filefailure.h"
#include "core/shell/savedialog.h"
#include "pages/drawings/previewpopup.h"
#include "platform/preview/drawingpreviewreader.h"
#include "platform/preview/dwgthumbnail.h"
#include "platform/preview/previewcache.h"
#include "preflight/preflightrunner.h"
#include "preview/drawingbuilder.h"
#include "support/checkeddrawings.h"
#include "support/userinput.h"
#include "support/wizardbench.h"

#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <QtTest>
#include <memory>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// The messages as "style text".
const QString Replace = u"52 今までのファイルリストが削除されますよろしいですか？"_s;
const QString NotADrawing = u"48 これはDwg・DXFファイルでは有りません\n"_s;
const QString NoDrawingIn = u"48 このフォルダにはDwg・DXFファイルが有りません\n"_s;
const QString Unsafe = u"48 "_s + unsafeDrawingPathMessage() + u'\n';
const QString ClearQuestion = u"4 本当にリストをクリアーしますか？"_s;
const QString Added = u"図面がリストに追加されました"_s;
const QString Importing = u"インポート中しばらくお待ちください"_s;

} // namespace

class TestOpenSelectFrm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void drop_data();
    void drop();
    void linkedFolders();
    void sessionVariables();
    void listFiles();
    void capacity_data();
    void capacity();
    void ignoredDrops_data();
    void ignoredDrops();
    void onlyTheListTakesDrops();
    void buttons_data();
    void buttons();
    void backAndForwardKeepTheList();
    void previewOnClick();
    void enlargedPictureSize_data();
    void enlargedPictureSize();
    void enlargedPreviewOnHover_data();
    void enlargedPreviewOnHover();
    void enlargedPreviewByKeys();
    void statusArea_data();
    void statusArea();
    void brokenDataFile_data();
    void brokenDataFile();
    void importFailure();
    void marks();

private:
    PageWindow *page();
    template <typename Widget>
    Widget *control(const char *name) const;
    QListWidget *list() { return control<QListWidget>("List1"); }
    Session &session() { return m_bench->session(); }
    QString path(const QString &relative) const;
    QStringList paths(const QStringList &relative) const;
    QString makeFile(const QString &relative, const QByteArray &bytes = {}) const;
    bool drop(const QMimeData &data, Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction);
    bool dropFiles(const QStringList &relative);
    bool openListFile(const QStringList &relative);
    QStringList listed();
    QStringList messages() const;
    QString status() const;
    void verifyShownWhole();
    QStringList copyRealDrawings(const QStringList &names) const;
    void hover(int row);
    PreviewPopup *popup() { return list()->findChild<PreviewPopup *>(); }

    std::unique_ptr<test::WizardBench> m_bench;
    std::unique_ptr<QTemporaryDir> m_files;
    std::unique_ptr<ScriptedSaveDialog> m_dialog;
};

void TestOpenSelectFrm::init()
{
    m_bench = std::make_unique<test::WizardBench>();
    m_files = std::make_unique<QTemporaryDir>();
    m_dialog = std::make_unique<ScriptedSaveDialog>();
}

void TestOpenSelectFrm::cleanup()
{
    QVERIFY(test::WizardBench::closeAll());
    m_dialog.reset();
    m_files.reset();
    m_bench.reset();
}

// The page, shown as the welcome page's next shows it; loaded at the first call.
PageWindow *TestOpenSelectFrm::page()
{
    if (!m_bench->wizard.loaded(PageId::Drawings))
        m_bench->wizard.go(nullptr, PageId::Drawings);
    return m_bench->wizard.loaded(PageId::Drawings);
}

template <typename Widget>
Widget *TestOpenSelectFrm::control(const char *name) const
{
    auto *widget = m_bench->control<Widget>(PageId::Drawings, name);
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

QString TestOpenSelectFrm::path(const QString &relative) const
{
    return QDir::toNativeSeparators(m_files->filePath(relative));
}

QStringList TestOpenSelectFrm::paths(const QStringList &relative) const
{
    QStringList result;
    for (const QString &entry : relative)
        result.append(path(entry));
    return result;
}

QString TestOpenSelectFrm::makeFile(const QString &relative, const QByteArray &bytes) const
{
    test::writeBytes(m_files->filePath(relative), bytes);
    return path(relative);
}

// Drags the data onto the list box and drops it, as a file manager does, then lets the page
// handle the drop, which it does once the drop event has returned. True when the list took it.
bool TestOpenSelectFrm::drop(const QMimeData &data, Qt::DropActions actions)
{
    QWidget *target = page()->findChild<QListWidget *>(u"List1"_s)->viewport();
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    QDropEvent dropped(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &dropped);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    return enter.isAccepted() && move.isAccepted() && dropped.isAccepted() &&
           dropped.dropAction() == Qt::CopyAction;
}

// Drops files and folders of the test's folder; paths that do not exist are made as files.
bool TestOpenSelectFrm::dropFiles(const QStringList &relative)
{
    QList<QUrl> urls;
    for (const QString &entry : relative) {
        if (!QFileInfo::exists(m_files->filePath(entry)))
            makeFile(entry);
        urls.append(QUrl::fromLocalFile(m_files->filePath(entry)));
    }
    QMimeData data;
    data.setUrls(urls);
    return drop(data);
}

// Opens a drawing list file of the paths with Ctrl+O, as the user does; paths that do not
// exist are made as files.
bool TestOpenSelectFrm::openListFile(const QStringList &relative)
{
    QByteArray lines;
    for (const QString &entry : relative) {
        if (!QFileInfo::exists(m_files->filePath(entry)))
            makeFile(entry);
        lines += path(entry).toUtf8() + "\r\n";
    }
    const QString listFile = m_files->filePath(u"list.txt"_s);
    test::writeBytes(listFile, lines);
    if (!QTest::qWaitForWindowActive(page()))
        return false;
    test::pressForFile(*m_dialog, page(), Qt::Key_O, listFile);
    return m_dialog->timesShown() > 0 && m_dialog->lastCaption() == u"図面リストを開く"_s;
}

QStringList TestOpenSelectFrm::listed()
{
    QStringList result;
    for (int i = 0; i < list()->count(); ++i)
        result.append(list()->item(i)->text());
    return result;
}

QStringList TestOpenSelectFrm::messages() const
{
    QStringList result;
    for (const ShownMessage &message : m_bench->messages.shown())
        result.append(QString::number(message.style) + u' ' + message.text);
    return result;
}

// The status area and the window in one line.
QString TestOpenSelectFrm::status() const
{
    const auto *clip = control<ClipPlayer>("Animation1");
    const auto label = [this](const char *name) {
        const auto *control = this->control<QLabel>(name);
        return (control->isVisible() ? u"shown \""_s : u"hidden \""_s) + control->text() + u'"';
    };
    const PageWindow *window = m_bench->wizard.loaded(PageId::Drawings);
    return u"clip %1, Label3 %2, Label2 %3, bar %4, window %5"_s.arg(
        clip->isVisible() ? (clip->isPlaying() ? u"playing"_s : u"shown"_s) : u"hidden"_s,
        label("Label3"), label("Label2"),
        control<QProgressBar>("ProgressBar1")->isVisible() ? u"shown"_s : u"hidden"_s,
        window->isEnabled() && window->cursor().shape() == Qt::ArrowCursor ? u"enabled"_s
        : !window->isEnabled() && window->cursor().shape() == Qt::WaitCursor
            ? u"disabled, hourglass"_s
            : u"in between"_s);
}

// Every listed entry is shown whole: its row holds all its text, the list scrolls sideways as far
// as the widest entry reaches, and resting the mouse on an entry shows its path as a tooltip
// (followed by the reasons of its mark, when it has one).
void TestOpenSelectFrm::verifyShownWhole()
{
    QListWidget *view = list();
    const QFontMetrics metrics = view->fontMetrics();
    int widest = 0;
    for (int row = 0; row < view->count(); ++row) {
        const QString text = view->item(row)->text();
        widest = qMax(widest, metrics.horizontalAdvance(text));
        QVERIFY2(view->visualItemRect(view->item(row)).width() > widest, qPrintable(text));
    }
    QVERIFY(view->horizontalScrollBar()->maximum() >= widest - view->viewport()->width());
    if (view->count() == 0)
        return;
    const QRect last = view->visualItemRect(view->item(view->count() - 1));
    QHelpEvent help(QEvent::ToolTip, last.center(), view->viewport()->mapToGlobal(last.center()));
    QCoreApplication::sendEvent(view->viewport(), &help);
    QTRY_COMPARE(QToolTip::text().section(u'\n', 0, 0), view->item(view->count() - 1)->text());
}

void TestOpenSelectFrm::drop_data()
{
    QTest::addColumn<QStringList>("before"); // the list the drop meets
    QTest::addColumn<int>("answer");         // to the replace question
    QTest::addColumn<QStringList>("files");  // made before the drop, besides the dropped ones
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QStringList>("expected");
    // "%1/" is the test's folder; "{n}" the place of line n when the paths come from a list file.
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<bool>("listFile"); // the paths come from a drawing list file opened

    const QStringList none;
    const QStringList five{u"a.dwg"_s, u"b.dwg"_s, u"c.dwg"_s, u"d.dwg"_s, u"e.dwg"_s};
    const QStringList three{u"x.dxf"_s, u"y.dxf"_s, u"z.dxf"_s};
    const auto row = [&](const char *name, const QStringList &before, int answer,
                         const QStringList &files, const QStringList &dropped,
                         const QStringList &expected, const QStringList &warnings) {
        QTest::newRow(name) << before << answer << files << dropped << expected << warnings
                            << false;
        // A list file holds no line end inside a path.
        if (!dropped.join(QString()).contains(u'\n'))
            QTest::addRow("%s, from a list file", name)
                << before << answer << files << dropped << expected << warnings << true;
    };
    row("one drawing", none, 0, none, {u"a.dwg"_s}, {u"a.dwg"_s}, none);
    row("extensions in any case", none, 0, none, {u"site.Dwg"_s, u"B.DXF"_s, u"c.dXf"_s},
        {u"site.Dwg"_s, u"B.DXF"_s, u"c.dXf"_s}, none);
    row("blanks and Japanese in paths", none, 0, none, {u"my plans/a b.dwg"_s, u"図面/平面.dwg"_s},
        {u"my plans/a b.dwg"_s, u"図面/平面.dwg"_s}, none);
    row("replacing a list, yes", five, AnswerYes, none, three, three, {Replace});
    row("replacing a list, no", five, AnswerNo, none, three, five, {Replace});
    // The rows share one size, taken from one entry: here the last one, the shortest.
    const QStringList longNames{u"現場図面フォルダ_第二期工事/平面図_第01号_改訂版.dwg"_s,
                                u"現場図面フォルダ_第二期工事/平面図_第02号_改訂版.dwg"_s,
                                u"現場図面フォルダ_第二期工事/龍.dwg"_s};
    row("a folder of long names ending with a short one, replacing a list", three, AnswerYes,
        longNames, {u"現場図面フォルダ_第二期工事"_s}, longNames, {Replace});
    row("a text file among drawings", none, 0, none, {u"a.dwg"_s, u"n.txt"_s, u"b.dxf"_s}, none,
        {NotADrawing + u"{2}%1/n.txt"_s});
    row("a text file, replacing a list: refused before the question", five, AnswerYes, none,
        {u"n.txt"_s, u"m.txt"_s}, five, {NotADrawing + u"{1}%1/n.txt"_s});
    row("a text file in a folder named dwg", none, 0, none, {u"dwg/readme.txt"_s}, none,
        {NotADrawing + u"{1}%1/"_s + QDir::toNativeSeparators(u"dwg/readme.txt"_s)});
    row("an extension not at the end", none, 0, none, {u"plan.dwg.txt"_s}, none,
        {NotADrawing + u"{1}%1/plan.dwg.txt"_s});
    row("a folder: sub-folders, ordered by folder and file names without regard to case", none, 0,
        {u"p/b.dwg"_s, u"p/Sub2/a.dwg"_s, u"p/A.DXF"_s, u"p/sub/c.dwg"_s, u"p/C.dwg"_s,
         u"p/a-b/x.dwg"_s, u"p/a/y.dwg"_s},
        {u"p"_s},
        {u"p/a/y.dwg"_s, u"p/a-b/x.dwg"_s, u"p/A.DXF"_s, u"p/b.dwg"_s, u"p/C.dwg"_s,
         u"p/sub/c.dwg"_s, u"p/Sub2/a.dwg"_s},
        none);
    row("a folder: other files skipped", none, 0,
        {u"m/readme.txt"_s, u"m/a.dwg"_s, u"m/a.dwg.bak"_s, u"m/dwg"_s, u"m/deep/b.dxf"_s},
        {u"m"_s}, {u"m/a.dwg"_s, u"m/deep/b.dxf"_s}, none);
    row("a folder keeps its place in the drop", none, 0, {u"set/2.dwg"_s, u"set/1.dwg"_s},
        {u"y.dxf"_s, u"set"_s, u"x.dwg"_s},
        {u"y.dxf"_s, u"set/1.dwg"_s, u"set/2.dwg"_s, u"x.dwg"_s}, none);
    row("a folder: hidden files and folders too", none, 0,
        {u"h/.cache/x.dxf"_s, u"h/.hidden.dwg"_s, u"h/v.dwg"_s}, {u"h"_s},
        {u"h/.cache/x.dxf"_s, u"h/.hidden.dwg"_s, u"h/v.dwg"_s}, none);
    row("a folder named like a drawing", none, 0, {u"old.dwg/in.dxf"_s}, {u"old.dwg"_s},
        {u"old.dwg/in.dxf"_s}, none);
    row("a folder without drawings", none, 0, {u"e/notes.txt"_s}, {u"z.dwg"_s, u"e"_s}, none,
        {NoDrawingIn + u"{2}%1/e"_s});
#ifndef Q_OS_WIN // names that Windows' file systems refuse
    row("a line feed in a name: an open line and commands of its own", none, 0, none,
        {u"a.dwg"_s, u"C:\n_.quit\ny.dwg"_s}, none, {Unsafe + u"{2}%1/C:<LF>_.quit<LF>y.dwg"_s});
    row("a double quote in a folder's drawing", five, AnswerYes, {u"q/say \"hi\".dxf"_s}, {u"q"_s},
        five, {Unsafe + u"{1}%1/q/say \"hi\".dxf"_s});
#endif
}

void TestOpenSelectFrm::drop()
{
    QFETCH(QStringList, before);
    QFETCH(int, answer);
    QFETCH(QStringList, files);
    QFETCH(QStringList, dropped);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, warnings);
    QFETCH(bool, listFile);

    if (!before.isEmpty())
        QVERIFY(dropFiles(before));
    for (const QString &file : files)
        makeFile(file);
    QVERIFY(QTest::qWaitForWindowActive(page()));
    control<QPushButton>("cmdnext")->setFocus();
    m_bench->messages.queueAnswer(answer);
    QVERIFY(listFile ? openListFile(dropped) : dropFiles(dropped));

    for (QString &warning : warnings) {
        const QRegularExpressionMatch line = QRegularExpression(u"\\{(\\d+)\\}"_s).match(warning);
        if (line.hasMatch())
            warning.replace(
                line.capturedStart(), line.capturedLength(),
                listFile ? u"図面リスト %1 の %2行目: "_s.arg(path(u"list.txt"_s), line.captured(1))
                         : QString());
    }
    QCOMPARE(messages(), warnings.replaceInStrings(u"%1/"_s, path(QString()) + QDir::separator()));
    QTRY_COMPARE(QApplication::focusWidget(), list());
    QCOMPARE(listed(), paths(expected));
    verifyShownWhole();
    QCOMPARE(session().DrawingCount, expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(session().DrawingPaths.at(i), path(expected.at(i)));
    QCOMPARE(session().DrawingPaths.at(expected.size()), QString());
    QVERIFY(!control<ClipPlayer>("Animation1")->isVisible());
    QVERIFY(!control<ClipPlayer>("Animation1")->isPlaying());
    const bool refused = !warnings.isEmpty() && warnings.last().startsWith(u"48 "_s);
    QCOMPARE(control<QLabel>("Label2")->text(), refused || expected.isEmpty() ? QString() : Added);
}

// Ctrl+S keeps the list in a drawing list file, one path per line; a list file without a
// drawing, or one that cannot be read, changes nothing; Ctrl+O lists the drawings of one.
void TestOpenSelectFrm::listFiles()
{
    QVERIFY(QTest::qWaitForWindowActive(page()));
    test::pressForFile(*m_dialog, page(), Qt::Key_S, m_files->filePath(u"none.txt"_s));
    QVERIFY(!QFile::exists(m_files->filePath(u"none.txt"_s)));
    QVERIFY(dropFiles({u"a.dwg"_s, u"b c/図面.DXF"_s}));
    test::pressForFile(*m_dialog, page(), Qt::Key_S, m_files->filePath(u"kept"_s));
    QCOMPARE(m_dialog->lastCaption(), u"図面リストを保存"_s);
    QCOMPARE(test::readBytes(m_files->filePath(u"kept.txt"_s)),
             (path(u"a.dwg"_s) + u'\n' + path(u"b c/図面.DXF"_s) + u'\n').toUtf8());

    test::writeBytes(m_files->filePath(u"blank.txt"_s), "\r\n  \n");
    test::pressForFile(*m_dialog, page(), Qt::Key_O, m_files->filePath(u"blank.txt"_s));
    test::pressForFile(*m_dialog, page(), Qt::Key_O, m_files->filePath(u"missing.txt"_s));
    QCOMPARE(messages(),
             (QStringList{u"48 ファイルは選択されていません"_s,
                          u"48 図面リスト %1 に図面がありません"_s.arg(path(u"blank.txt"_s)),
                          u"48 図面リスト %1 を読めません: %2"_s.arg(
                              path(u"missing.txt"_s), fileProblemText(FileProblem::NotFound))}));
    QCOMPARE(listed(), paths({u"a.dwg"_s, u"b c/図面.DXF"_s}));

    // A relative path is relative to the list file's folder.
    makeFile(u"sub/b.dxf"_s);
    test::writeBytes(m_files->filePath(u"sub/list.txt"_s), "b.dxf\n../a.dwg\n");
    m_bench->messages.queueAnswer(AnswerYes);
    test::pressForFile(*m_dialog, page(), Qt::Key_O, m_files->filePath(u"sub/list.txt"_s));
    QCOMPARE(listed(), paths({u"sub/b.dxf"_s, u"a.dwg"_s}));
}

// Links to folders lead into them; each real folder is listed once, under its own path when the
// dropped folder holds it, and a link to a folder already walked (here the dropped folder
// itself) leads nowhere.
void TestOpenSelectFrm::linkedFolders()
{
#ifdef Q_OS_WIN
    QSKIP("QFile::link makes shortcuts on Windows, not links to folders");
#endif
    makeFile(u"plans/a.dwg"_s);
    makeFile(u"plans/sub/b.dxf"_s);
    makeFile(u"d/own.dwg"_s);
    makeFile(u"d/real/c.dwg"_s);
    const QString d = m_files->filePath(u"d"_s);
    for (const auto &[link, target] : {std::pair{u"plans"_s, u"plans"_s},
                                       {u"again"_s, u"plans"_s},
                                       {u"back"_s, u"d"_s},
                                       {u"alias"_s, u"d/real"_s}})
        QVERIFY(QFile::link(m_files->filePath(target), d + u'/' + link));

    QVERIFY(dropFiles({u"d"_s}));

    QCOMPARE(listed(), paths({u"d/again/a.dwg"_s, u"d/again/sub/b.dxf"_s, u"d/own.dwg"_s,
                              u"d/real/c.dwg"_s}));
}

// Open lines quote a path with a blank; a shorter list leaves the longer one's lines behind its
// count, and its progress starts at 0 of its own count.
void TestOpenSelectFrm::sessionVariables()
{
    QVERIFY(dropFiles({u"a.dwg"_s, u"b c.dxf"_s, u"d.dwg"_s}));
    const std::vector<QString> open{u".open %1"_s.arg(path(u"a.dwg"_s)),
                                    u".open \"%1\""_s.arg(path(u"b c.dxf"_s)),
                                    u".open %1"_s.arg(path(u"d.dwg"_s))};
    QCOMPARE(session().DrawingCount, 3);
    QCOMPARE(std::vector(session().OpenCommands.begin(), session().OpenCommands.begin() + 4),
             std::vector({open[0], open[1], open[2], QString()}));

    QStringList progress;
    auto *bar = control<QProgressBar>("ProgressBar1");
    connect(bar, &QProgressBar::valueChanged, this,
            [&](int value) { progress.append(u"%1/%2"_s.arg(value).arg(bar->maximum())); });
    m_bench->messages.queueAnswer(AnswerYes);
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    QVERIFY(dropFiles({u"n.dwg"_s}));
    QCOMPARE(progress, QStringList{u"0/1"_s});
    QCOMPARE(session().DrawingCount, 1);
    QCOMPARE(session().DrawingPaths.at(1), QString());
    QCOMPARE(session().OpenCommands.at(0), u".open %1"_s.arg(path(u"n.dwg"_s)));
    QCOMPARE(session().OpenCommands.at(1), open[1]);
    QCOMPARE(session().OpenCommands.at(2), open[2]);
}

void TestOpenSelectFrm::capacity_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("50 000 drawings are listed") << Session::kDrawingCapacity;
    QTest::newRow("50 001 drawings are refused") << Session::kDrawingCapacity + 1;
}

// A drop beyond the session's capacity is refused before the question: the list stays.
void TestOpenSelectFrm::capacity()
{
    QFETCH(int, count);

    QVERIFY(dropFiles({u"old.dwg"_s}));
    QList<QUrl> urls;
    for (int i = 0; i < count; ++i)
        urls.append(QUrl::fromLocalFile(m_files->filePath(u"d%1.dwg"_s.arg(i))));
    QMimeData data;
    data.setUrls(urls);
    m_bench->messages.queueAnswer(AnswerYes);
    QVERIFY(drop(data));

    const bool fits = count <= Session::kDrawingCapacity;
    QCOMPARE(messages(), QStringList{fits ? Replace
                                          : u"48 図面が多すぎます。一度にリストに追加できる"
                                            u"図面は50000件までです。"_s});
    QCOMPARE(session().DrawingCount, fits ? count : 1);
    QCOMPARE(list()->count(), fits ? count : 1);
    QCOMPARE(session().DrawingPaths.at(0), path(fits ? u"d0.dwg"_s : u"old.dwg"_s));
    QCOMPARE(session().DrawingPaths.at(Session::kDrawingCapacity), QString());
}

void TestOpenSelectFrm::ignoredDrops_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<int>("actions");

    const QUrl local = QUrl::fromLocalFile(u"/tmp/a.dwg"_s);
    const QUrl web(u"https://example.com/a.dwg"_s);
    QTest::newRow("dragged text") << u"/tmp/a.dwg"_s << QList<QUrl>() << int(Qt::CopyAction);
    QTest::newRow("a web link") << QString() << QList<QUrl>{web} << int(Qt::CopyAction);
    QTest::newRow("a file and a web link")
        << QString() << QList<QUrl>{local, web} << int(Qt::CopyAction);
    QTest::newRow("move only") << QString() << QList<QUrl>{local} << int(Qt::MoveAction);
}

void TestOpenSelectFrm::ignoredDrops()
{
    QFETCH(QString, text);
    QFETCH(QList<QUrl>, urls);
    QFETCH(int, actions);

    QMimeData data;
    if (!text.isEmpty())
        data.setText(text);
    if (!urls.isEmpty())
        data.setUrls(urls);
    QVERIFY(!drop(data, Qt::DropActions(actions)));
    QCOMPARE(messages(), QStringList());
    QCOMPARE(list()->count(), 0);
    QVERIFY(!control<ClipPlayer>("Animation1")->isPlaying());
}

void TestOpenSelectFrm::onlyTheListTakesDrops()
{
    QVERIFY(!page()->acceptDrops());
    for (const QWidget *widget : page()->findChildren<QWidget *>()) {
        const bool inList = widget == list() || widget == list()->viewport();
        QVERIFY2(widget->acceptDrops() == inList, qPrintable(widget->objectName()));
    }
}

void TestOpenSelectFrm::buttons_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("shown");

    const QStringList two{u"a.dwg"_s, u"b.dwg"_s};
    QTest::newRow("clear on an empty list") << QStringList() << u"Command1"_s << 0 << QStringList()
                                            << QStringList{u"48 ファイルは選択されていません"_s};
    QTest::newRow("next on an empty list") << QStringList() << u"cmdnext"_s << 0 << QStringList()
                                           << QStringList{u"48 ファイルが選択されてません"_s};
    QTest::newRow("clear, no") << two << u"Command1"_s << int(AnswerNo) << two
                               << QStringList{ClearQuestion};
    QTest::newRow("clear, yes") << two << u"Command1"_s << int(AnswerYes) << QStringList()
                                << QStringList{ClearQuestion};
}

// The clear button empties the session's drawing list but keeps the open lines.
void TestOpenSelectFrm::buttons()
{
    QFETCH(QStringList, before);
    QFETCH(QString, button);
    QFETCH(int, answer);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, shown);

    page();
    if (!before.isEmpty())
        QVERIFY(dropFiles(before));
    const std::vector<QString> openLines = session().OpenCommands;
    m_bench->messages.queueAnswer(answer);
    QTest::mouseClick(control<QPushButton>(button.toLatin1().constData()), Qt::LeftButton);

    QCOMPARE(messages(), shown);
    QVERIFY(page()->isVisible());
    QCOMPARE(listed(), paths(expected));
    QCOMPARE(session().DrawingCount, expected.size());
    QVERIFY(std::all_of(session().DrawingPaths.begin() + expected.size(),
                        session().DrawingPaths.end(),
                        [](const QString &p) { return p.isEmpty(); }));
    QCOMPARE(session().OpenCommands, openLines);
}

void TestOpenSelectFrm::backAndForwardKeepTheList()
{
    QVERIFY(dropFiles({u"a.dwg"_s, u"b.dxf"_s}));
    PageWindow *drawings = page();
    QTest::mouseClick(control<QPushButton>("Cmdbefore"), Qt::LeftButton);
    PageWindow *welcome = m_bench->wizard.loaded(PageId::Welcome);
    QVERIFY(welcome && welcome->isVisible() && !drawings->isVisible());

    m_bench->wizard.go(welcome, PageId::Drawings);
    QCOMPARE(page(), drawings);
    QCOMPARE(listed(), paths({u"a.dwg"_s, u"b.dxf"_s}));
    QCOMPARE(session().DrawingCount, 2);
    QCOMPARE(control<QLabel>("Label2")->text(), Added);

    QTest::mouseClick(control<QPushButton>("cmdnext"), Qt::LeftButton);
    PageWindow *grid = m_bench->wizard.loaded(PageId::Grid);
    QVERIFY(grid && grid->isVisible() && !drawings->isVisible());
    QCOMPARE(messages(), QStringList());
}

void TestOpenSelectFrm::previewOnClick()
{
    const QImage picture = DrawingBuilder::quadrantImage(32, 16);
    makeFile(u"thumb.dxf"_s, DrawingBuilder::dxf(DrawingBuilder::dib(picture)));
    QVERIFY(dropFiles({u"thumb.dxf"_s, u"blank.dwg"_s}));
    auto *preview = control<DwgThumbnail>("DwgThumbnail1");
    const auto clickEntry = [this](int row) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(list()->item(row)).center());
    };

    clickEntry(0);
    QCOMPARE(preview->drawingPath(), path(u"thumb.dxf"_s));
    QTRY_COMPARE(preview->previewImage().size(), picture.size());
    clickEntry(1);
    QCOMPARE(preview->drawingPath(), path(u"blank.dwg"_s));
    QVERIFY(!preview->hasPreview());
    // An entry that is already the current one previews again when clicked.
    clickEntry(1);
    QVERIFY(!preview->hasPreview());
    {
        const QSignalBlocker quiet(list());
        list()->setCurrentRow(0);
    }
    clickEntry(0);
    QCOMPARE(preview->drawingPath(), path(u"thumb.dxf"_s));
    QVERIFY(preview->hasPreview());
    m_bench->messages.queueAnswer(AnswerYes);
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(preview->drawingPath(), QString());
    QVERIFY(!preview->hasPreview());
}

// Each row: the preview's size in pixels, the screen's, and the size it is shown at.
void TestOpenSelectFrm::enlargedPictureSize_data()
{
    QTest::addColumn<QSize>("preview");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("shown");

    const QSize fullHd(1920, 1080);
    QTest::newRow("own size") << QSize(256, 160) << fullHd << QSize(256, 160);
    QTest::newRow("narrow: scaled up to 180 wide") << QSize(64, 32) << fullHd << QSize(180, 90);
    QTest::newRow("wide: a fifth of the screen's width")
        << QSize(852, 448) << fullHd << QSize(384, 201);
    QTest::newRow("tall: a fifth of the screen's height")
        << QSize(100, 400) << fullHd << QSize(54, 216);
    QTest::newRow("small screen: the fifth wins over 180")
        << QSize(64, 32) << QSize(800, 600) << QSize(160, 80);
}

void TestOpenSelectFrm::enlargedPictureSize()
{
    QFETCH(QSize, preview);
    QFETCH(QSize, screen);
    QFETCH(QSize, shown);
    QCOMPARE(PreviewPopup::pictureSize(preview, screen), shown);
}

QStringList TestOpenSelectFrm::copyRealDrawings(const QStringList &names) const
{
    QStringList copied;
    for (const QString &name : names) {
        const QString target = m_files->filePath(name);
        // The copy may be removed: the samples themselves are read-only.
        if (!QFile::copy(QStringLiteral(TAVROLIN_DRAWINGS_DIR "/") + name, target) ||
            !QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner))
            return {};
        copied.append(name);
    }
    return copied;
}

// Moves the mouse onto the start of the list's entry (a long entry reaches beyond the list's
// right edge), where it rests.
void TestOpenSelectFrm::hover(int row)
{
    const QRect entry = list()->visualItemRect(list()->item(row));
    QTest::mouseMove(list()->viewport(), QPoint(entry.left() + 8, entry.center().y()));
}

// Each row: a real drawing, and whether it holds a preview.
void TestOpenSelectFrm::enlargedPreviewOnHover_data()
{
    QTest::addColumn<QString>("drawing");
    QTest::addColumn<bool>("hasPreview");

    QTest::newRow("DXF, small DIB") << u"ezdxf-r2007-columns-thumb.dxf"_s << true;
    QTest::newRow("DXF R2000") << u"libredwg-r2000-PolyLine3D-thumb.dxf"_s << true;
    QTest::newRow("DWG R14, BMP") << u"libredwg-r14-example.dwg"_s << true;
    QTest::newRow("DWG 2013, PNG") << u"libredwg-r2013-Line.dwg"_s << true;
    QTest::newRow("DWG without preview")
        << u"acadsharp-r2018-BLOCKPOLARPARAMETER-nopreview.dwg"_s << false;
    QTest::newRow("DXF without thumbnail") << u"libredwg-r2007-Line-nothumb.dxf"_s << false;
    QTest::newRow("DWG R11") << u"libredwg-r11-entities-2d.dwg"_s << false;
}

// The preview shows at its size beside the entry, with the file name and folder, after a rest of
// the mouse; it is read once in the background (the file may go meanwhile) and the mouse leaving
// the list hides it. A drawing without a preview shows nothing.
void TestOpenSelectFrm::enlargedPreviewOnHover()
{
    QFETCH(QString, drawing);
    QFETCH(bool, hasPreview);
    const QStringList names = copyRealDrawings({u"libredwg-r2004-Line.dwg"_s, drawing});
    if (names.isEmpty())
        QSKIP("the real drawings are not at hand");
    QVERIFY(dropFiles(names));
    QVERIFY(QTest::qWaitForWindowExposed(page()));
    auto *cache = page()->findChild<PreviewCache *>();
    const QImage stored = DrawingPreviewReader::readFile(path(drawing)).image;
    QCOMPARE(!stored.isNull(), hasPreview);

    QTest::mouseMove(page(), QPoint(1, 1));
    hover(1);
    QVERIFY(!cache->find(path(drawing))); // nothing is read before the mouse rests
    QTRY_VERIFY(cache->find(path(drawing)).has_value());
    if (!hasPreview) {
        QVERIFY(!popup()->isVisible());
        return;
    }
    QTRY_VERIFY(popup()->isVisible());
    QCOMPARE(popup()->drawingPath(), path(drawing));
    QCOMPARE(popup()->pictureSize(),
             PreviewPopup::pictureSize(stored.size(), popup()->screen()->size()));
    QCOMPARE(popup()->findChild<QLabel *>(u"PreviewName"_s)->text(), drawing);
    QCOMPARE(popup()->findChild<QLabel *>(u"PreviewFolder"_s)->accessibleName(),
             path(QString()) + QDir::separator());
    // The entry's tooltip would cover the preview, which names the drawing and its folder.
    const QPoint at = list()->visualItemRect(list()->item(1)).topLeft() + QPoint(8, 4);
    QHelpEvent help(QEvent::ToolTip, at, list()->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(list()->viewport(), &help);
    QVERIFY(!QToolTip::isVisible());
    const QRect listArea(list()->mapToGlobal(QPoint(0, 0)), list()->size());
    QVERIFY(!popup()->geometry().intersects(listArea));

    // Once showing, it follows the mouse to the next entry at once.
    hover(0);
    QTRY_COMPARE(popup()->drawingPath(), path(u"libredwg-r2004-Line.dwg"_s));
    QTest::mouseMove(page(), QPoint(1, 1));
    QVERIFY(!popup()->isVisible());

    QVERIFY(QFile::remove(path(drawing)));
    hover(1);
    QTRY_VERIFY(popup()->isVisible());
    QCOMPARE(popup()->drawingPath(), path(drawing));
}

// Space on the focused entry shows its preview, the arrow keys move it along, Space hides it.
void TestOpenSelectFrm::enlargedPreviewByKeys()
{
    const QStringList names =
        copyRealDrawings({u"libredwg-r14-example.dwg"_s, u"libredwg-r2013-Line.dwg"_s});
    if (names.isEmpty())
        QSKIP("the real drawings are not at hand");
    QVERIFY(dropFiles(names));
    QVERIFY(QTest::qWaitForWindowActive(page()));
    list()->setFocus();
    list()->setCurrentRow(0);
    QTest::keyClick(list(), Qt::Key_Space);
    QTRY_VERIFY(popup()->isVisible());
    QCOMPARE(popup()->drawingPath(), path(names[0]));
    QTest::keyClick(list(), Qt::Key_Down);
    QTRY_COMPARE(popup()->drawingPath(), path(names[1]));
    QVERIFY(popup()->isVisible());
    QTest::keyClick(list(), Qt::Key_Space);
    QVERIFY(!popup()->isVisible());
}

void TestOpenSelectFrm::statusArea_data()
{
    QTest::addColumn<QString>("moment");
    QTest::addColumn<QString>("expected");

    const QString done = u"clip hidden, Label3 hidden \"%1\", Label2 %2 \"%3\", bar hidden, "
                         u"window enabled"_s.arg(Importing);
    QTest::newRow("after load") << u"load"_s
                                << u"clip shown, Label3 hidden \"\", Label2 hidden \"\", bar "
                                   u"hidden, window enabled"_s;
    QTest::newRow("folders walked") << u"walk"_s
                                    << u"clip playing, Label3 hidden \"\", Label2 shown \"\", bar "
                                       u"hidden, window disabled, hourglass"_s;
    QTest::newRow("check pass") << u"check"_s
                                << u"clip playing, Label3 shown \"\", Label2 shown \"\", bar "
                                   u"hidden, window disabled, hourglass"_s;
    QTest::newRow("import pass") << u"import"_s
                                 << u"clip playing, Label3 shown \"%1\", Label2 hidden \"\", bar "
                                    u"shown, window disabled, hourglass"_s.arg(Importing);
    QTest::newRow("import finished") << u"finished"_s << done.arg(u"shown"_s, Added);
    QTest::newRow("replace declined") << u"declined"_s << done.arg(u"shown"_s, Added);
    QTest::newRow("list cleared") << u"cleared"_s << done.arg(u"hidden"_s, Added);
    QTest::newRow("drop refused") << u"refused"_s
                                  << u"clip hidden, Label3 shown \"\", Label2 shown \"\", bar "
                                     u"hidden, window enabled"_s;
}

// After a step, or for the passes of a drop, at some turn of the event loop during the drop.
void TestOpenSelectFrm::statusArea()
{
    QFETCH(QString, moment);
    QFETCH(QString, expected);

    page();
    QStringList seen;
    QTimer watch;
    watch.setInterval(0);
    connect(&watch, &QTimer::timeout, this, [&] { seen.append(status()); });
    watch.start();
    if (moment != u"load")
        QVERIFY(dropFiles({moment == u"refused" ? u"a.txt"_s : u"a.dwg"_s}));
    watch.stop();
    if (moment == u"declined")
        QVERIFY(dropFiles({u"b.dwg"_s}));
    m_bench->messages.queueAnswer(AnswerYes);
    if (moment == u"cleared")
        QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    if (moment == u"walk" || moment == u"check" || moment == u"import")
        QVERIFY2(seen.contains(expected), qPrintable(seen.join(u'\n')));
    else
        QCOMPARE(status(), expected);
}

void TestOpenSelectFrm::brokenDataFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes"); // none: the file is missing
    QTest::addColumn<QString>("reason");

    const QString missing = u"ファイルが見つかりません"_s;
    QTest::newRow("missing clip") << u"FileCopy.avi"_s << QByteArray() << missing;
    QTest::newRow("damaged clip") << u"FileCopy.avi"_s << QByteArray("RIFF\x10\0\0\0AVI LIST", 16)
                                  << QString();
    QTest::newRow("missing window icon") << u"ico/sw.ico"_s << QByteArray() << missing;
}

// A missing or damaged data file is reported (the icon's at load, the clip's at the drop) and
// the page goes on without it.
void TestOpenSelectFrm::brokenDataFile()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);

    QVERIFY(QFile::remove(m_bench->folder.file(file)));
    if (!bytes.isEmpty())
        test::writeBytes(m_bench->folder.file(file), bytes);
    QVERIFY(dropFiles({u"a.dwg"_s}));
    QCOMPARE(messages().size(), 1);
    QVERIFY2(messages().first().startsWith(u"48 "_s) &&
                 messages().first().contains(QFileInfo(file).fileName()) &&
                 messages().first().contains(reason),
             qPrintable(messages().first()));
    QCOMPARE(listed(), paths({u"a.dwg"_s}));
    QCOMPARE(control<QLabel>("Label2")->text(), Added);
}

// A failure in the middle of the import leaves the page working and nothing of the drop listed.
// The drop replaces a list whose drawing is previewed, and fails while importing.
void TestOpenSelectFrm::importFailure()
{
    makeFile(u"thumb.dxf"_s,
             DrawingBuilder::dxf(DrawingBuilder::dib(QImage(8, 4, QImage::Format_RGB32))));
    QVERIFY(dropFiles({u"thumb.dxf"_s}));
    list()->setCurrentRow(0);
    auto *preview = control<DwgThumbnail>("DwgThumbnail1");
    QTRY_VERIFY(preview->hasPreview());
    session().DrawingPaths.resize(2);
    m_bench->messages.queueAnswer(AnswerYes);
    QVERIFY(dropFiles({u"a.dwg"_s, u"b.dwg"_s, u"c.dwg"_s}));

    QCOMPARE(messages().size(), 2);
    QVERIFY(messages().last().startsWith(u"48 "_s));
    QCOMPARE(preview->drawingPath(), QString());
    QCOMPARE(status(), u"clip hidden, Label3 hidden \"%1\", Label2 hidden \"%2\", bar hidden, "
                       u"window enabled"_s.arg(Importing, Added));
    QCOMPARE(listed(), QStringList());
    QCOMPARE(session().DrawingCount, 0);
    QCOMPARE(session().DrawingPaths.at(0), QString());
}

// The check marks each drawing with a finding: the warning icon, and the reasons in its tooltip
// and its accessible description; one line counts them. A clean list shows neither.
void TestOpenSelectFrm::marks()
{
    test::makeCheckedDrawings(QDir(m_files->path()));
    QVERIFY(dropFiles({u"r2000.dwg"_s, u"empty.dwg"_s, u"locked.dwg"_s, u"r2007.dxf"_s}));
    auto *summary = control<QLabel>("lblFindings");
    QTRY_COMPARE(summary->text(), u"問題のある図面が 2 件あります"_s);
    QVERIFY(summary->isVisible());
    // The entries are marked in turns of the event loop after the summary, in list order.
    QTRY_VERIFY(!list()->item(2)->icon().isNull());
    const QStringList reasons{
        QString(), u"・DWG・DXF図面ではありません: ファイルが空です"_s,
        u"・ロックファイル LOCKED.DWL があります。図面がほかで開かれているか、AutoCAD が異常終了"
        u"しています"_s,
        QString()};
    for (int row = 0; row < list()->count(); ++row) {
        const QListWidgetItem *item = list()->item(row);
        QCOMPARE(item->icon().isNull(), reasons[row].isEmpty());
        QCOMPARE(item->toolTip(),
                 reasons[row].isEmpty() ? QString() : item->text() + u'\n' + reasons[row]);
        QCOMPARE(item->data(Qt::AccessibleDescriptionRole).toString(), reasons[row]);
    }
    // Resting on a marked drawing shows its reasons even beside its enlarged preview.
    QVERIFY(QTest::qWaitForWindowExposed(page()));
    QTest::mouseMove(page(), QPoint(1, 1));
    hover(2);
    QTRY_VERIFY(popup()->isVisible());
    const QPoint at = list()->visualItemRect(list()->item(2)).topLeft() + QPoint(8, 4);
    QHelpEvent help(QEvent::ToolTip, at, list()->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(list()->viewport(), &help);
    QTRY_COMPARE(QToolTip::text(), list()->item(2)->toolTip());

    m_bench->messages.queueAnswer(AnswerYes);
    QVERIFY(dropFiles({u"r2000.dwg"_s}));
    QTRY_VERIFY(m_bench->wizard.preflight().report() &&
                m_bench->wizard.preflight().report()->drawings.size() == 1);
    QTRY_VERIFY(!summary->isVisible());
    QVERIFY(!control<QProgressBar>("prgCheck")->isVisible());
    QVERIFY(list()->item(0)->icon().isNull());
}

QTEST_MAIN(TestOpenSelectFrm)
#include "test_openselectfrm.moc"
