#include "clipplayer.h"
#include "core/drawingpath.h"
#include "core/session.h"
#include "core/shell/messagebox.h"
#include "core/shell/pagewindow.h"
#include "core/shell/shellservices.h"
#include "pages/wizard/wizard.h"
#include "platform/preview/dwgthumbnail.h"
#include "preview/drawingbuilder.h"
#include "support/testprogramfolder.h"

#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

const QString ReplaceQuestion = u"今までのファイルリストが削除されますよろしいですか？"_s;
const QString NotADrawing = u"これはDwg・DXFファイルでは有りません"_s;
const QString NoDrawingInFolder = u"このフォルダにはDwg・DXFファイルが有りません"_s;
const QString Added = u"図面がリストに追加されました"_s;
const QString Importing = u"インポート中しばらくお待ちください"_s;
const QString ClearQuestion = u"本当にリストをクリアーしますか？"_s;
const QString NothingToClear = u"ファイルは選択されていません"_s;
const QString NothingSelected = u"ファイルが選択されてません"_s;

QStringList texts(const QList<ShownMessage> &messages)
{
    QStringList result;
    for (const ShownMessage &message : messages)
        result.append(QString::number(message.style) + u' ' + message.text);
    return result;
}

QString shown(bool visible)
{
    return visible ? u"shown"_s : u"hidden"_s;
}

} // namespace

class TestOpenSelectFrm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dropOnEmptyList_data();
    void dropOnEmptyList();
    void dropOnList_data();
    void dropOnList();
    void refusedDrop_data();
    void refusedDrop();
    void folders_data();
    void folders();
    void capacity_data();
    void capacity();
    void ignoredDrops_data();
    void ignoredDrops();
    void onlyTheListTakesDrops();
    void clearList_data();
    void clearList();
    void emptyListWarnings_data();
    void emptyListWarnings();
    void backAndForwardKeepTheList();
    void previewOnClick();
    void statusArea_data();
    void statusArea();
    void clipFailure_data();
    void clipFailure();
    void missingIconStillLoads();
    void importFailure();

private:
    PageWindow *page();
    template <typename Widget>
    Widget *control(const char *name);
    QListWidget *list() { return control<QListWidget>("List1"); }
    ClipPlayer *animation() { return control<ClipPlayer>("Animation1"); }
    Session &session() { return m_wizard->session(); }

    QString path(const QString &relative) const;
    QStringList paths(const QStringList &relative) const;
    QString makeFile(const QString &relative, const QByteArray &bytes = {}) const;
    bool drop(const QMimeData &data, Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction);
    bool dropPaths(const QStringList &paths);
    bool dropFiles(const QStringList &relative);
    QStringList listed();
    QString status();
    void click(const char *button);

    std::unique_ptr<test::TestProgramFolder> m_programFolder;
    std::unique_ptr<QTemporaryDir> m_files;
    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<Wizard> m_wizard;
};

void TestOpenSelectFrm::init()
{
    m_programFolder = std::make_unique<test::TestProgramFolder>();
    m_files = std::make_unique<QTemporaryDir>();
    m_messages = std::make_unique<ScriptedMessages>();
    m_wizard = std::make_unique<Wizard>();
}

void TestOpenSelectFrm::cleanup()
{
    frmallunload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(windowCollection().isEmpty());
    m_wizard.reset();
    m_messages.reset();
    m_files.reset();
    m_programFolder.reset();
}

// The page, shown as the welcome page's next shows it (loaded at the first call).
PageWindow *TestOpenSelectFrm::page()
{
    if (!m_wizard->loaded(PageId::Drawings))
        m_wizard->go(nullptr, PageId::Drawings);
    return m_wizard->loaded(PageId::Drawings);
}

template <typename Widget>
Widget *TestOpenSelectFrm::control(const char *name)
{
    auto *widget = page()->findChild<Widget *>(QLatin1String(name));
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

// Drags the data onto the list box and drops it there, as a file manager does, then lets the
// page handle the drop (it does so once the drop event has returned). True when the list took it.
bool TestOpenSelectFrm::drop(const QMimeData &data, Qt::DropActions actions)
{
    QWidget *target = list()->viewport();
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

bool TestOpenSelectFrm::dropPaths(const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &entry : paths)
        urls.append(QUrl::fromLocalFile(entry));
    QMimeData data;
    data.setUrls(urls);
    return drop(data);
}

// Drops files of the test's folder, creating those that do not exist yet.
bool TestOpenSelectFrm::dropFiles(const QStringList &relative)
{
    for (const QString &entry : relative) {
        if (!QFileInfo::exists(m_files->filePath(entry)))
            makeFile(entry);
    }
    return dropPaths(paths(relative));
}

QStringList TestOpenSelectFrm::listed()
{
    QStringList result;
    for (int i = 0; i < list()->count(); ++i)
        result.append(list()->item(i)->text());
    return result;
}

// The status area and the window, in one line.
QString TestOpenSelectFrm::status()
{
    const ClipPlayer *clip = animation();
    const auto *label3 = control<QLabel>("Label3");
    const auto *label2 = control<QLabel>("Label2");
    const QString window = page()->isEnabled() ? u"enabled"_s : u"disabled"_s;
    const QString pointer =
        page()->cursor().shape() == Qt::WaitCursor ? u"hourglass"_s : u"arrow"_s;
    return u"Animation1 %1, Label3 %2 \"%3\", Label2 %4 \"%5\", ProgressBar1 %6, window %7 %8"_s
        .arg(clip->isVisible() ? (clip->isPlaying() ? u"playing"_s : u"shown"_s) : u"hidden"_s,
             shown(label3->isVisible()), label3->text(), shown(label2->isVisible()), label2->text(),
             shown(control<QProgressBar>("ProgressBar1")->isVisible()), window, pointer);
}

void TestOpenSelectFrm::click(const char *button)
{
    QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
}

void TestOpenSelectFrm::dropOnEmptyList_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("openLines"); // %1 is the test's folder

    QTest::newRow("one drawing") << QStringList{u"a.dwg"_s} << QStringList{u".open %1/a.dwg"_s};
    QTest::newRow("extensions in any case")
        << QStringList{u"site.Dwg"_s, u"B.DXF"_s, u"c.dXf"_s}
        << QStringList{u".open %1/site.Dwg"_s, u".open %1/B.DXF"_s, u".open %1/c.dXf"_s};
    QTest::newRow("blank in the path is quoted")
        << QStringList{u"my plans/a b.dwg"_s} << QStringList{u".open \"%1/my plans/a b.dwg\""_s};
    QTest::newRow("Japanese names")
        << QStringList{u"図面/平面図.dwg"_s} << QStringList{u".open %1/図面/平面図.dwg"_s};
}

void TestOpenSelectFrm::dropOnEmptyList()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, openLines);

    QVERIFY(dropFiles(files));
    QCOMPARE(texts(m_messages->shown()), QStringList());
    QCOMPARE(listed(), paths(files));
    QCOMPARE(session().DrawingCount, files.size());
    for (int i = 0; i < files.size(); ++i) {
        QCOMPARE(session().DrawingPaths.at(i), path(files.at(i)));
        QCOMPARE(session().OpenCommands.at(i),
                 openLines.at(i).arg(QDir::toNativeSeparators(m_files->path())));
    }
    QCOMPARE(session().DrawingPaths.at(files.size()), QString());
    QCOMPARE(control<QLabel>("Label2")->text(), Added);
}

void TestOpenSelectFrm::dropOnList_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("progress"); // of the second drop: position/maximum

    const QStringList first{u"a.dwg"_s, u"b.dwg"_s, u"c.dwg"_s, u"d.dwg"_s, u"e.dwg"_s};
    QTest::newRow("yes replaces the list")
        << int(AnswerYes) << QStringList{u"x.dxf"_s, u"y.dxf"_s, u"z.dxf"_s}
        << QStringList{u"0/3"_s, u"1/3"_s, u"2/3"_s};
    QTest::newRow("no keeps the list") << int(AnswerNo) << first << QStringList();
}

void TestOpenSelectFrm::dropOnList()
{
    QFETCH(int, answer);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, progress);

    QVERIFY(dropFiles({u"a.dwg"_s, u"b.dwg"_s, u"c.dwg"_s, u"d.dwg"_s, u"e.dwg"_s}));
    const std::vector<QString> firstOpenLines = session().OpenCommands;
    QStringList positions;
    auto *bar = control<QProgressBar>("ProgressBar1");
    connect(bar, &QProgressBar::valueChanged, this, [&](int value) {
        if (value >= 0)
            positions.append(u"%1/%2"_s.arg(value).arg(bar->maximum()));
    });
    m_messages->queueAnswer(answer);
    QVERIFY(dropFiles({u"x.dxf"_s, u"y.dxf"_s, u"z.dxf"_s}));

    QCOMPARE(texts(m_messages->shown()), QStringList{u"52 "_s + ReplaceQuestion});
    QCOMPARE(listed(), paths(expected));
    QCOMPARE(session().DrawingCount, expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(session().DrawingPaths.at(i), path(expected.at(i)));
    QCOMPARE(session().DrawingPaths.at(expected.size()), QString());
    // Open lines past the count keep those of the longer list; no reader looks at them.
    for (int i = expected.size(); i < 5; ++i)
        QCOMPARE(session().OpenCommands.at(i), firstOpenLines.at(i));
    QCOMPARE(positions, progress);
    QVERIFY(!animation()->isVisible());
    QVERIFY(!animation()->isPlaying());
}

void TestOpenSelectFrm::refusedDrop_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("replacing");

    const QStringList textAmongDrawings{u"a.dwg"_s, u"notes.txt"_s, u"b.dxf"_s, u"c.dwg"_s};
    QTest::newRow("text file among drawings") << textAmongDrawings << false;
    QTest::newRow("text file among drawings, replacing a list") << textAmongDrawings << true;
    QTest::newRow("text file in a folder named dwg") << QStringList{u"dwg/readme.txt"_s} << false;
    QTest::newRow("extension not at the end") << QStringList{u"plan.dwg.txt"_s} << true;
    QTest::newRow("no extension") << QStringList{u"a.dwg"_s, u"dxf"_s} << false;
}

// One warning for the first failing path; nothing of the drop is listed, and a list the user
// agreed to replace stays empty.
void TestOpenSelectFrm::refusedDrop()
{
    QFETCH(QStringList, files);
    QFETCH(bool, replacing);

    QStringList expected;
    if (replacing) {
        QVERIFY(dropFiles({u"old1.dwg"_s, u"old2.dwg"_s}));
        m_messages->queueAnswer(AnswerYes);
        expected.append(u"52 "_s + ReplaceQuestion);
    }
    QVERIFY(dropFiles(files));

    expected.append(u"48 "_s + NotADrawing);
    QCOMPARE(texts(m_messages->shown()), expected);
    QCOMPARE(listed(), QStringList());
    QCOMPARE(session().DrawingCount, 0);
    QCOMPARE(session().DrawingPaths.at(0), QString());
    QVERIFY(!animation()->isVisible());
}

void TestOpenSelectFrm::folders_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("emptyFolder");

    QTest::newRow("sub-folders, in order of full paths without regard to case")
        << QStringList{u"plans/b.dwg"_s, u"plans/Sub2/a.dwg"_s, u"plans/A.DXF"_s,
                       u"plans/sub/c.dwg"_s, u"plans/C.dwg"_s}
        << QStringList{u"plans"_s}
        << QStringList{u"plans/A.DXF"_s, u"plans/b.dwg"_s, u"plans/C.dwg"_s, u"plans/sub/c.dwg"_s,
                       u"plans/Sub2/a.dwg"_s}
        << QString();
    QTest::newRow("other files skipped")
        << QStringList{u"mixed/readme.txt"_s, u"mixed/a.dwg"_s, u"mixed/a.dwg.bak"_s,
                       u"mixed/dwg"_s, u"mixed/deep/b.dxf"_s}
        << QStringList{u"mixed"_s} << QStringList{u"mixed/a.dwg"_s, u"mixed/deep/b.dxf"_s}
        << QString();
    QTest::newRow("a folder keeps its place in the drop")
        << QStringList{u"x.dwg"_s, u"set/2.dwg"_s, u"set/1.dwg"_s, u"y.dxf"_s}
        << QStringList{u"y.dxf"_s, u"set"_s, u"x.dwg"_s}
        << QStringList{u"y.dxf"_s, u"set/1.dwg"_s, u"set/2.dwg"_s, u"x.dwg"_s} << QString();
    QTest::newRow("a folder named like a drawing")
        << QStringList{u"old.dwg/inner.dxf"_s} << QStringList{u"old.dwg"_s}
        << QStringList{u"old.dwg/inner.dxf"_s} << QString();
    QTest::newRow("a folder without drawings")
        << QStringList{u"z.dwg"_s, u"empty/notes.txt"_s} << QStringList{u"z.dwg"_s, u"empty"_s}
        << QStringList() << u"empty"_s;
}

void TestOpenSelectFrm::folders()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, dropped);
    QFETCH(QStringList, expected);
    QFETCH(QString, emptyFolder);

    for (const QString &file : files)
        makeFile(file);
    QVERIFY(dropPaths(paths(dropped)));

    QStringList warnings;
    if (!emptyFolder.isEmpty())
        warnings.append(u"48 "_s + NoDrawingInFolder + u'\n' + path(emptyFolder));
    QCOMPARE(texts(m_messages->shown()), warnings);
    QCOMPARE(listed(), paths(expected));
    QCOMPARE(session().DrawingCount, expected.size());
}

void TestOpenSelectFrm::capacity_data()
{
    QTest::addColumn<int>("count");

    QTest::newRow("50 000 drawings are listed") << Session::kDrawingCapacity;
    QTest::newRow("50 001 drawings are refused") << Session::kDrawingCapacity + 1;
}

// A drop beyond the session's capacity is refused before the question, so the list stays.
void TestOpenSelectFrm::capacity()
{
    QFETCH(int, count);

    QVERIFY(dropFiles({u"old.dwg"_s}));
    QStringList many;
    for (int i = 0; i < count; ++i)
        many.append(path(u"d%1.dwg"_s.arg(i)));
    m_messages->queueAnswer(AnswerYes);
    QVERIFY(dropPaths(many));

    if (count <= Session::kDrawingCapacity) {
        QCOMPARE(texts(m_messages->shown()), QStringList{u"52 "_s + ReplaceQuestion});
        QCOMPARE(session().DrawingCount, count);
        QCOMPARE(list()->count(), count);
        QCOMPARE(session().DrawingPaths.at(count - 1), many.last());
        QCOMPARE(session().DrawingPaths.at(count), QString());
        return;
    }
    QCOMPARE(m_messages->shown().size(), 1);
    QCOMPARE(m_messages->shown().first().style, int(ExclamationWarning));
    QVERIFY(m_messages->shown().first().text.contains(u"50000"_s));
    QCOMPARE(listed(), paths({u"old.dwg"_s}));
    QCOMPARE(session().DrawingCount, 1);
    QCOMPARE(session().DrawingPaths.at(1), QString());
    QVERIFY(!animation()->isVisible());
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

    QCOMPARE(texts(m_messages->shown()), QStringList());
    QCOMPARE(list()->count(), 0);
    QVERIFY(!animation()->isPlaying());
}

void TestOpenSelectFrm::onlyTheListTakesDrops()
{
    const QList<QWidget *> widgets = page()->findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        const bool inList = widget == list() || widget == list()->viewport();
        QVERIFY2(widget->acceptDrops() == inList, qPrintable(widget->objectName()));
    }
    QVERIFY(!page()->acceptDrops());
}

void TestOpenSelectFrm::clearList_data()
{
    QTest::addColumn<int>("answer");

    QTest::newRow("yes") << int(AnswerYes);
    QTest::newRow("no") << int(AnswerNo);
}

void TestOpenSelectFrm::clearList()
{
    QFETCH(int, answer);

    const QStringList files{u"a.dwg"_s, u"b.dwg"_s, u"c.dwg"_s};
    QVERIFY(dropFiles(files));
    list()->setCurrentRow(1);
    const std::vector<QString> openLines = session().OpenCommands;
    m_messages->queueAnswer(answer);
    click("Command1");

    QCOMPARE(texts(m_messages->shown()), QStringList{u"4 "_s + ClearQuestion});
    QCOMPARE(session().OpenCommands, openLines);
    auto *preview = control<DwgThumbnail>("DwgThumbnail1");
    if (answer == AnswerNo) {
        QCOMPARE(listed(), paths(files));
        QCOMPARE(session().DrawingCount, 3);
        QCOMPARE(preview->drawingPath(), path(u"b.dwg"_s));
        return;
    }
    QCOMPARE(listed(), QStringList());
    QCOMPARE(session().DrawingCount, 0);
    QVERIFY(std::all_of(session().DrawingPaths.begin(), session().DrawingPaths.end(),
                        [](const QString &entry) { return entry.isEmpty(); }));
    QCOMPARE(preview->drawingPath(), QString());

    // A shorter list afterwards leaves the earlier open lines behind its count.
    QVERIFY(dropFiles({u"n.dwg"_s}));
    QCOMPARE(session().DrawingCount, 1);
    QCOMPARE(session().OpenCommands.at(0), openCommand(path(u"n.dwg"_s)));
    QCOMPARE(session().OpenCommands.at(1), openLines.at(1));
    QCOMPARE(session().OpenCommands.at(2), openLines.at(2));
}

void TestOpenSelectFrm::emptyListWarnings_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("warning");

    QTest::newRow("clear") << u"Command1"_s << NothingToClear;
    QTest::newRow("next") << u"cmdnext"_s << NothingSelected;
}

void TestOpenSelectFrm::emptyListWarnings()
{
    QFETCH(QString, button);
    QFETCH(QString, warning);

    click(button.toLatin1().constData());

    QCOMPARE(texts(m_messages->shown()), QStringList{u"48 "_s + warning});
    QVERIFY(page()->isVisible());
    QVERIFY(!m_wizard->loaded(PageId::Grid));
}

void TestOpenSelectFrm::backAndForwardKeepTheList()
{
    const QStringList files{u"a.dwg"_s, u"b.dxf"_s};
    QVERIFY(dropFiles(files));
    PageWindow *drawings = page();

    click("Cmdbefore");
    PageWindow *welcome = m_wizard->loaded(PageId::Welcome);
    QVERIFY(welcome && welcome->isVisible());
    QVERIFY(!drawings->isVisible());

    m_wizard->go(welcome, PageId::Drawings);
    QCOMPARE(page(), drawings);
    QVERIFY(drawings->isVisible());
    QCOMPARE(listed(), paths(files));
    QCOMPARE(session().DrawingCount, 2);
    QCOMPARE(control<QLabel>("Label2")->text(), Added);

    click("cmdnext");
    PageWindow *grid = m_wizard->loaded(PageId::Grid);
    QVERIFY(grid && grid->isVisible());
    QVERIFY(!drawings->isVisible());
    QCOMPARE(texts(m_messages->shown()), QStringList());
}

void TestOpenSelectFrm::previewOnClick()
{
    const QImage picture = DrawingBuilder::quadrantImage(32, 16);
    const QString withPreview =
        makeFile(u"thumb.dxf"_s, DrawingBuilder::dxf(DrawingBuilder::dib(picture)));
    const QString without = makeFile(u"blank.dwg"_s);
    QVERIFY(dropPaths({withPreview, without}));
    auto *preview = control<DwgThumbnail>("DwgThumbnail1");
    const auto clickEntry = [this](int row) {
        QListWidget *box = list();
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                          box->visualItemRect(box->item(row)).center());
    };

    clickEntry(0);
    QCOMPARE(preview->drawingPath(), withPreview);
    QVERIFY(preview->hasPreview());
    QCOMPARE(preview->previewImage().size(), picture.size());

    clickEntry(1);
    QCOMPARE(preview->drawingPath(), without);
    QVERIFY(!preview->hasPreview());

    clickEntry(0);
    m_messages->queueAnswer(AnswerYes);
    click("Command1");
    QCOMPARE(preview->drawingPath(), QString());
    QVERIFY(!preview->hasPreview());
}

void TestOpenSelectFrm::statusArea_data()
{
    QTest::addColumn<QString>("moment");
    QTest::addColumn<QString>("expected");

    const QString window = u", window enabled arrow"_s;
    QTest::newRow("after load")
        << u"after load"_s
        << u"Animation1 shown, Label3 hidden \"\", Label2 hidden \"\", ProgressBar1 hidden"_s +
               window;
    QTest::newRow("check pass")
        << u"check pass"_s
        << u"Animation1 playing, Label3 shown \"\", Label2 shown \"\", ProgressBar1 hidden"_s +
               window;
    QTest::newRow("import pass")
        << u"import pass"_s
        << u"Animation1 playing, Label3 shown \"%1\", Label2 hidden \"\", ProgressBar1 shown, "
           "window disabled hourglass"_s.arg(Importing);
    QTest::newRow("import finished")
        << u"import finished"_s
        << u"Animation1 hidden, Label3 hidden \"%1\", Label2 shown \"%2\", ProgressBar1 hidden"_s
                   .arg(Importing, Added) +
               window;
    QTest::newRow("drop refused")
        << u"drop refused"_s
        << u"Animation1 hidden, Label3 shown \"\", Label2 shown \"\", ProgressBar1 hidden"_s +
               window;
    QTest::newRow("replace declined")
        << u"replace declined"_s
        << u"Animation1 hidden, Label3 hidden \"%1\", Label2 shown \"%2\", ProgressBar1 hidden"_s
                   .arg(Importing, Added) +
               window;
    QTest::newRow("list cleared")
        << u"list cleared"_s
        << u"Animation1 hidden, Label3 hidden \"%1\", Label2 hidden \"%2\", ProgressBar1 hidden"_s
                   .arg(Importing, Added) +
               window;
}

// The states of the status area, after a step or, for the passes of a drop, whenever the drop
// lets the event loop run.
void TestOpenSelectFrm::statusArea()
{
    QFETCH(QString, moment);
    QFETCH(QString, expected);

    QStringList seen;
    QTimer watch;
    watch.setInterval(0);
    connect(&watch, &QTimer::timeout, this, [&] { seen.append(status()); });
    page();
    if (moment == u"check pass" || moment == u"import pass") {
        watch.start();
        QVERIFY(dropFiles({u"a.dwg"_s, u"b.dwg"_s}));
        watch.stop();
        QVERIFY2(seen.contains(expected), qPrintable(seen.join(u'\n')));
        return;
    }
    if (moment != u"after load" && moment != u"drop refused")
        QVERIFY(dropFiles({u"a.dwg"_s}));
    if (moment == u"drop refused")
        QVERIFY(dropFiles({u"a.txt"_s}));
    if (moment == u"replace declined")
        QVERIFY(dropFiles({u"b.dwg"_s}));
    if (moment == u"list cleared") {
        m_messages->queueAnswer(AnswerYes);
        click("Command1");
    }
    QCOMPARE(status(), expected);
}

void TestOpenSelectFrm::clipFailure_data()
{
    QTest::addColumn<QByteArray>("clip");

    QTest::newRow("missing") << QByteArray();
    QTest::newRow("damaged") << QByteArray("RIFF\x10\0\0\0AVI LIST", 16);
}

// The clip's failure is reported, and the drop goes on without it.
void TestOpenSelectFrm::clipFailure()
{
    QFETCH(QByteArray, clip);

    const QString clipPath = m_programFolder->file(u"FileCopy.avi"_s);
    QVERIFY(QFile::remove(clipPath));
    if (!clip.isEmpty())
        test::writeBytes(clipPath, clip);
    QVERIFY(dropFiles({u"a.dwg"_s}));

    QCOMPARE(m_messages->shown().size(), 1);
    QCOMPARE(m_messages->shown().first().style, int(ExclamationWarning));
    QVERIFY2(m_messages->shown().first().text.contains(u"FileCopy.avi"_s),
             qPrintable(m_messages->shown().first().text));
    QCOMPARE(listed(), paths({u"a.dwg"_s}));
    QCOMPARE(control<QLabel>("Label2")->text(), Added);
}

// The page loads without the window icon: the failure is reported and the page works.
void TestOpenSelectFrm::missingIconStillLoads()
{
    QVERIFY(QFile::remove(m_programFolder->file(u"ico/sw.ico"_s)));
    page();

    QCOMPARE(m_messages->shown().size(), 1);
    QCOMPARE(m_messages->shown().first().style, int(ExclamationWarning));
    QVERIFY(m_messages->shown().first().text.contains(u"sw.ico"_s));
    QVERIFY(page()->isVisible());
    QCOMPARE(page()->windowTitle(), u"Tavrolin"_s);
    m_messages->clear();
    QVERIFY(dropFiles({u"a.dwg"_s}));
    QCOMPARE(listed(), paths({u"a.dwg"_s}));
}

// A failure in the middle of the import leaves a page that works: enabled, the arrow pointer,
// the clip and the progress bar hidden, nothing of the drop listed, and the failure reported.
void TestOpenSelectFrm::importFailure()
{
    session().DrawingPaths.resize(2);
    QVERIFY(dropFiles({u"a.dwg"_s, u"b.dwg"_s, u"c.dwg"_s}));

    QCOMPARE(m_messages->shown().size(), 1);
    QCOMPARE(m_messages->shown().first().style, int(ExclamationWarning));
    QVERIFY(!m_messages->shown().first().text.isEmpty());
    QCOMPARE(status(),
             u"Animation1 hidden, Label3 hidden \"%1\", Label2 hidden \"\", ProgressBar1 hidden, "
             "window enabled arrow"_s.arg(Importing));
    QCOMPARE(listed(), QStringList());
    QCOMPARE(session().DrawingCount, 0);
    QCOMPARE(session().DrawingPaths.at(0), QString());
}

QTEST_MAIN(TestOpenSelectFrm)
#include "tst_openselectfrm.moc"
