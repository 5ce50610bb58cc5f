// The grid page around the grid: its load, scrolling, tabs, back and cancel, and the forward step
// with its progress display, driven through a wizard.

#include "core/drawingpath.h"
#include "core/session.h"
#include "gridpageharness.h"
#include "support/userinput.h"
#include "support/wizarddriver.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

const QString kSettings = u"[表示しない]\ntype=off\n[上書き保存]\ntype=qsave\n"_s;
const QStringList kLayerOff{u"レイヤー"_s, u"L13"_s, u"表示しない"_s, u"終了"_s, u"終了"_s};
const QStringList kSave{u"図面"_s, u"すべて"_s, u"上書き保存"_s, u"終了"_s, u"終了"_s};
const QString kNotDescribed = u"処理が記述されていません"_s;

void setDrawings(Session &session, const QStringList &paths)
{
    for (int d = 0; d < paths.size(); ++d) {
        session.DrawingPaths[d] = paths[d];
        session.OpenCommands[d] = openCommand(paths[d]);
    }
    session.DrawingCount = static_cast<int>(paths.size());
}

// What the page shows while generation lets the event loop run.
struct ProgressState
{
    bool seen = false;
    bool pageEnabled = true;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    bool barVisible = false;
    int barMaximum = -1;
    int barValue = -1;
    bool captionVisible = false;
    bool exampleVisible = true;
};

} // namespace

class TestGridPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loadShowsTheGridPane();
    void missingIconAndHelpPageStillOpen();
    void unreadableSettingsFileIsNamedOnce_data();
    void unreadableSettingsFileIsNamedOnce();
    void scrollingMovesTheRows_data();
    void scrollingMovesTheRows();
    void tabKeyDoesNotScroll();
    void wheelScrollsThePaneAndChangesNoCell_data();
    void wheelScrollsThePaneAndChangesNoCell();
    void tabsBringTheirPaneToTheFront();
    void forward_data();
    void forward();
    void forwardRegeneratesOnlyAfterAChange_data();
    void forwardRegeneratesOnlyAfterAChange();
    void aScriptTooLargeIsRefusedAndThePageStaysUsable();
    void progressDisplayDuringAndAfterGeneration();
    void backShowsTheDrawingListAndKeepsTheGrid();
    void cancel_data();
    void cancel();
    void closingThePageWhileItGeneratesEndsTheProgramAfterwards();

private:
    QWidget *visibleAtPaneCentre() const;
    QString drawingFile(const QString &name) const;
    void next() const;

    std::unique_ptr<test::GridPageHarness> m_grid;
};

void TestGridPage::init()
{
    m_grid = std::make_unique<test::GridPageHarness>();
    m_grid->folder.writeSettings(kSettings);
}

void TestGridPage::cleanup()
{
    QVERIFY(test::WizardBench::closeAll());
    m_grid.reset();
}

QWidget *TestGridPage::visibleAtPaneCentre() const
{
    const QWidget *pane = m_grid->child(u"Frame2"_s);
    return m_grid->page()->childAt(pane->geometry().center());
}

// A drawing file in the test's folder, by its name; its path as the drawing list shows it.
QString TestGridPage::drawingFile(const QString &name) const
{
    const QString path = m_grid->folder.file(u"drawings/"_s + name);
    test::writeBytes(path, "AC1015");
    return QDir::toNativeSeparators(path);
}

void TestGridPage::next() const
{
    QTest::mouseClick(m_grid->child<QPushButton>(u"cmdnext"_s), Qt::LeftButton);
}

void TestGridPage::loadShowsTheGridPane()
{
    m_grid->show();
    QCOMPARE(m_grid->page()->windowTitle(), u"Tavrolin"_s);
    QVERIFY(!m_grid->child(u"ProgressBar1"_s)->isVisible());
    QVERIFY(!m_grid->child(u"Label7"_s)->isVisible());
    QVERIFY(m_grid->child(u"Label5"_s)->isVisible());
    QVERIFY(m_grid->child(u"Frame2"_s)->isAncestorOf(visibleAtPaneCentre()));
    auto *bar = m_grid->child<QScrollBar>(u"VScroll1"_s);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 5400);
    QCOMPARE(bar->value(), 0);
    QVERIFY(bar->isEnabled());
    QCOMPARE(bar->geometry().left(), m_grid->child(u"Picture2"_s)->geometry().right() + 1);
    QVERIFY(m_grid->child(u"Frame2"_s)->rect().contains(bar->geometry()));
    QTRY_VERIFY(
        m_grid->child<QTextBrowser>(u"WebBrowser1"_s)->toPlainText().contains(u"コマンド"_s));
    QCOMPARE(m_grid->child<QTabWidget>(u"TabStrip1"_s)->currentIndex(), 0);
    for (int row = 0; row < 12; ++row) {
        QCOMPARE(m_grid->rowEnabled(row), u"11111"_s);
        QCOMPARE(m_grid->rowTexts(row), QStringList(5, QString()));
    }
    QCOMPARE(m_grid->messages.texts(), QStringList());
}

// The instruction pane says, as the help browser does, that the page cannot be shown and why.
void TestGridPage::missingIconAndHelpPageStillOpen()
{
    QFile::remove(m_grid->folder.file(u"ico/sw.ico"_s));
    QFile::remove(m_grid->folder.file(u"help/help3.htm"_s));
    QTest::failOnWarning(QRegularExpression(u"help3"_s));
    m_grid->show();
    QVERIFY(m_grid->page()->isVisible());
    const auto *pane = m_grid->child<QTextBrowser>(u"WebBrowser1"_s);
    QTRY_VERIFY(pane->toPlainText().startsWith(u"ページを表示できません"_s));
    QVERIFY(pane->toPlainText().contains(
        QDir::toNativeSeparators(m_grid->folder.file(u"help/help3.htm"_s))));
    QCOMPARE(m_grid->messages.texts(), QStringList());
}

void TestGridPage::unreadableSettingsFileIsNamedOnce_data()
{
    QTest::addColumn<bool>("folder");
    QTest::newRow("missing") << false;
    QTest::newRow("a folder in its place") << true;
}

// Every list would stay empty with no hint why: one warning names the file when the page loads,
// and the page stays usable.
void TestGridPage::unreadableSettingsFileIsNamedOnce()
{
    QFETCH(bool, folder);
    const QString settings = m_grid->folder.file(u"tavrolin.ini"_s);
    QFile::remove(settings);
    if (folder)
        QDir().mkdir(settings);
    m_grid->show();
    m_grid->enter(0, 0);
    QTest::mouseClick(m_grid->child<QPushButton>(u"Cmdbefore"_s), Qt::LeftButton);
    m_grid->show();
    const QList<ShownMessage> &shown = m_grid->messages.shown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].style, int(ExclamationWarning));
    QVERIFY2(shown[0].text.contains(QDir::toNativeSeparators(settings)), qPrintable(shown[0].text));
    QVERIFY(m_grid->cell(0, 0)->isEnabled());
}

void TestGridPage::scrollingMovesTheRows_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<int>>("rowsShown");
    QTest::newRow("top") << 0 << QList<int>{0, 1, 2};
    QTest::newRow("three rows down") << 1800 << QList<int>{3, 4, 5};
    QTest::newRow("end") << 5400 << QList<int>{9, 10, 11};
}

// A row counts as shown when all its cells lie wholly inside the viewport.
void TestGridPage::scrollingMovesTheRows()
{
    QFETCH(int, value);
    QFETCH(QList<int>, rowsShown);
    m_grid->show();
    auto *bar = m_grid->child<QScrollBar>(u"VScroll1"_s);
    bar->setValue(5400 - value); // a move away first, so the value below changes
    bar->setValue(value);

    const QWidget *viewport = m_grid->child(u"Picture2"_s);
    QList<int> shown;
    for (int row = 0; row < 12; ++row) {
        bool whole = true;
        for (int column = 0; column < 5; ++column) {
            const QComboBox *cell = m_grid->cell(row, column);
            const QRect area(cell->mapTo(viewport, QPoint(0, 0)), cell->size());
            whole = whole && viewport->rect().contains(area);
        }
        if (whole)
            shown.append(row);
    }
    QCOMPARE(shown, rowsShown);
}

void TestGridPage::tabKeyDoesNotScroll()
{
    m_grid->show();
    m_grid->cell(u"Combo42"_s)->setFocus();
    QTest::keyClick(m_grid->cell(u"Combo42"_s), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_grid->cell(u"Combo43"_s));
    QCOMPARE(m_grid->child<QScrollBar>(u"VScroll1"_s)->value(), 0);
    QCOMPARE(m_grid->child(u"Picture1"_s)->pos(), QPoint(0, 0));
}

void TestGridPage::wheelScrollsThePaneAndChangesNoCell_data()
{
    QTest::addColumn<QString>("over");
    QTest::addColumn<bool>("focused");
    QTest::newRow("between cells") << u"between"_s << false;
    QTest::newRow("over a visited cell") << u"Combo1"_s << false;
    QTest::newRow("over the cell that has the focus") << u"Combo1"_s << true;
    QTest::newRow("over a disabled cell") << u"Combo2"_s << false;
}

// Each cell of row 1 holds the second entry of its list; one notch down would pick the third.
void TestGridPage::wheelScrollsThePaneAndChangesNoCell()
{
    QFETCH(QString, over);
    QFETCH(bool, focused);
    m_grid->folder.writeSettings(u"[shugo]\nname=a,b,c\n[b]\ntype=x,y,z\n"_s);
    m_grid->show();
    for (QComboBox *cell : {m_grid->cell(1, 0), m_grid->cell(1, 1)}) {
        m_grid->enter(cell);
        cell->setCurrentIndex(1);
    }
    m_grid->cell(1, 1)->setEnabled(false);
    if (!focused)
        m_grid->child(u"cmdcan"_s)->setFocus();
    // Between cells: in the gap right of Combo1.
    const QComboBox *cell = m_grid->cell(over == u"between"_s ? u"Combo1"_s : over);
    const QPoint at = over == u"between"_s ? QPoint(cell->width() + 2, cell->height() / 2)
                                           : cell->rect().center();

    test::rollWheel(m_grid->page(), cell->mapTo(m_grid->page(), at), -1);

    QCOMPARE(m_grid->rowTexts(1).mid(0, 2), (QStringList{u"b"_s, u"y"_s}));
    QVERIFY(m_grid->child<QScrollBar>(u"VScroll1"_s)->value() > 0);
    QVERIFY(m_grid->child(u"Picture1"_s)->y() < 0);
}

void TestGridPage::tabsBringTheirPaneToTheFront()
{
    m_grid->show();
    m_grid->child<QScrollBar>(u"VScroll1"_s)->setValue(3000);
    m_grid->type(6, 1, u"壁"_s);
    QTabBar *tabs = m_grid->child<QTabWidget>(u"TabStrip1"_s)->tabBar();
    QCOMPARE(tabs->tabText(0), u"スクリプトコード作成"_s);
    QCOMPARE(tabs->tabText(1), u"操作説明"_s);

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QVERIFY(m_grid->child(u"Frame4"_s)->isAncestorOf(visibleAtPaneCentre()));

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    QVERIFY(m_grid->child(u"Frame2"_s)->isAncestorOf(visibleAtPaneCentre()));
    QCOMPARE(m_grid->child<QScrollBar>(u"VScroll1"_s)->value(), 3000);
    QCOMPARE(m_grid->cell(u"Combo27"_s)->currentText(), u"壁"_s);
}

// Each row: the grid's rows, the answer given to the questions, the messages shown, whether the
// comment page follows, and the summary and script generated.
void TestGridPage::forward_data()
{
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<QString>("gridSummary");
    QTest::addColumn<QString>("script");

    const QString layerOff = kLayerOff.join(u',');
    const QString layerOffScript =
        u"\r\n.open C:\\a\\p1.dwg\r\n-layer of L13 \r\n.open C:\\a\\p2.dwg\r\n-layer of L13 "_s;
    QStringList noAction = kLayerOff;
    noAction[4].clear();
    QStringList saveNoAction = kSave;
    saveNoAction[4].clear();
    const QString rowOneUnused = u"1段目から下は使われません。続けますか？"_s;

    QTest::newRow("row 0 not described")
        << QList<QStringList>{{QString(), u"L13"_s, u"表示しない"_s, u"終了"_s, u"終了"_s}}
        << int(AnswerYes) << QStringList{kNotDescribed} << false << QString() << QString();
    QTest::newRow("row 0 without action, not going on")
        << QList<QStringList>{noAction} << int(AnswerNo) << QStringList{rowOneUnused} << false
        << QString() << QString();
    QTest::newRow("row 0 without action, going on: no script")
        << QList<QStringList>{noAction} << int(AnswerYes) << QStringList{rowOneUnused} << true
        << QString() << QString();
    QTest::newRow("row 0 complete") << QList<QStringList>{kLayerOff} << int(AnswerYes)
                                    << QStringList() << true << layerOff << layerOffScript;
    QTest::newRow("two rows") << QList<QStringList>{kLayerOff, kSave} << int(AnswerYes)
                              << QStringList() << true << layerOff + u',' + kSave.join(u',')
                              << u"\r\n.open C:\\a\\p1.dwg\r\n-layer of L13 \r\n.qsave "
                                 u"\r\n.open C:\\a\\p2.dwg\r\n-layer of L13 \r\n.qsave "_s;
    QTest::newRow("rows after an empty action are left out")
        << QList<QStringList>{kLayerOff, saveNoAction, kSave} << int(AnswerYes)
        << QStringList{u"2段目から下は使われません。続けますか？"_s} << true << layerOff
        << layerOffScript;
    QTest::newRow("a typed blank, not going on")
        << QList<QStringList>{{kLayerOff[0], u"L13  _.erase all"_s, kLayerOff[2], kLayerOff[3],
                               kLayerOff[4]}}
        << int(AnswerNo)
        << QStringList{u"次の入力された文字には空白があります。スクリプトでは空白が Enter になり、"
                       u"その後ろは AutoCAD のコマンドとして実行されます。\n"
                       u"1段目 主語の名前: L13  _.erase all\n\n続けますか？"_s}
        << false << QString() << QString();
}

void TestGridPage::forward()
{
    QFETCH(QList<QStringList>, rows);
    QFETCH(int, answer);
    QFETCH(QStringList, messages);
    QFETCH(bool, goesOn);
    QFETCH(QString, gridSummary);
    QFETCH(QString, script);
    Session &session = m_grid->wizard.session();
    setDrawings(session, {u"C:\\a\\p1.dwg"_s, u"C:\\a\\p2.dwg"_s});
    m_grid->show();
    for (int row = 0; row < rows.size(); ++row)
        m_grid->typeRow(row, rows[row]);
    m_grid->messages.queueAnswer(answer);

    next();

    QWidget *comment = m_grid->wizard.loaded(PageId::Comment);
    QCOMPARE(comment && comment->isVisible(), goesOn);
    QCOMPARE(m_grid->page()->isVisible(), !goesOn);
    QCOMPARE(m_grid->messages.texts(), messages);
    QCOMPARE(session.GridSummary, gridSummary);
    QCOMPARE(session.PreviousGridSummary, gridSummary);
    QCOMPARE(session.ScriptText, script);
    QVERIFY(m_grid->page()->isEnabled());
    QCOMPARE(m_grid->page()->cursor().shape(), Qt::ArrowCursor);
}

// What happens between two forward steps: nothing, a change of a cell, or a new drawing list.
enum class Change { None, Cell, ReplacingDrop, ClearThenDrop };

void TestGridPage::forwardRegeneratesOnlyAfterAChange_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("subjectName");
    QTest::addColumn<QStringList>("drawings");

    QTest::newRow("nothing: the script is kept") << Change::None << QString() << QStringList();
    QTest::newRow("a cell") << Change::Cell << u"L14"_s << QStringList{u"p1.dwg"_s};
    QTest::newRow("a drop replacing the list")
        << Change::ReplacingDrop << u"L13"_s << QStringList{u"q1.dwg"_s, u"q2.dwg"_s};
    QTest::newRow("the list cleared, then a drop")
        << Change::ClearThenDrop << u"L13"_s << QStringList{u"q1.dwg"_s, u"q2.dwg"_s};
}

// The drawings are dropped on the drawing list page, as the user drops them.
void TestGridPage::forwardRegeneratesOnlyAfterAChange()
{
    QFETCH(Change, change);
    QFETCH(QString, subjectName);
    QFETCH(QStringList, drawings);
    const test::WizardDriver driver(m_grid->wizard);
    Session &session = m_grid->wizard.session();
    m_grid->wizard.go(nullptr, PageId::Drawings);
    QVERIFY(driver.dropDrawings({drawingFile(u"p1.dwg"_s)}));
    driver.click(PageId::Drawings, "cmdnext");
    m_grid->typeRow(0, kLayerOff);
    next();
    QWidget *comment = m_grid->wizard.loaded(PageId::Comment);
    QVERIFY(comment->isVisible());
    session.ScriptText = u"kept"_s;

    if (change == Change::ReplacingDrop || change == Change::ClearThenDrop) {
        m_grid->wizard.go(comment, PageId::Drawings);
        m_grid->messages.queueAnswer(AnswerYes);
        if (change == Change::ClearThenDrop)
            driver.click(PageId::Drawings, "Command1");
        QStringList paths;
        for (const QString &name : drawings)
            paths.append(drawingFile(name));
        QVERIFY(driver.dropDrawings(paths));
        driver.click(PageId::Drawings, "cmdnext");
    } else {
        m_grid->wizard.go(comment, PageId::Grid);
        if (change == Change::Cell)
            m_grid->type(0, 1, subjectName);
    }
    next();

    QVERIFY(comment->isVisible());
    QString script = drawings.isEmpty() ? u"kept"_s : QString();
    for (const QString &name : drawings)
        script +=
            u"\r\n"_s + openCommand(drawingFile(name)) + u"\r\n-layer of "_s + subjectName + u' ';
    QCOMPARE(session.ScriptText, script);
}

// The longest text a cell takes, in the line of each of 10 000 drawings, would make a script of
// over 300 M characters.
void TestGridPage::aScriptTooLargeIsRefusedAndThePageStaysUsable()
{
    QStringList drawings;
    for (int i = 0; i < 10000; ++i)
        drawings.append(u"C:\\d\\%1.dwg"_s.arg(i));
    setDrawings(m_grid->wizard.session(), drawings);
    m_grid->show();
    const int longest = m_grid->cell(0, 1)->lineEdit()->maxLength();
    m_grid->typeRow(
        0, {kLayerOff[0], QString(longest, u'x'), kLayerOff[2], kLayerOff[3], kLayerOff[4]});
    next();
    QCOMPARE(m_grid->messages.shown().size(), 1);
    QVERIFY(m_grid->messages.texts().constFirst().contains(u"大きすぎます"_s));
    QVERIFY(m_grid->page()->isVisible());
    QVERIFY(m_grid->page()->isEnabled());
    QCOMPARE(m_grid->page()->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(m_grid->wizard.session().ScriptText.isEmpty());
    m_grid->type(0, 1, kLayerOff[1]);
    next();
    QVERIFY(m_grid->wizard.loaded(PageId::Comment)->isVisible());
}

void TestGridPage::progressDisplayDuringAndAfterGeneration()
{
    Session &session = m_grid->wizard.session();
    setDrawings(session, {u"C:\\a\\p1.dwg"_s, u"C:\\a\\p2.dwg"_s, u"C:\\a\\p3.dwg"_s});
    m_grid->show();
    m_grid->typeRow(0, kLayerOff);
    PageWindow *page = m_grid->page();
    auto *bar = m_grid->child<QProgressBar>(u"ProgressBar1"_s);
    QWidget *caption = m_grid->child(u"Label7"_s);
    QWidget *example = m_grid->child(u"Label5"_s);
    // The event loop turns while the lines are built and again as soon as the progress display
    // appears; the last look taken during generation sees the display.
    ProgressState during;
    QTimer look;
    look.setInterval(0);
    QObject::connect(&look, &QTimer::timeout, page, [&] {
        if (!page->isEnabled())
            during = {
                true,           page->isEnabled(), page->cursor().shape(), bar->isVisible(),
                bar->maximum(), bar->value(),      caption->isVisible(),   example->isVisible()};
    });
    QTest::qWait(20);
    look.start();

    next();
    look.stop();

    QVERIFY(during.seen);
    QVERIFY(!during.pageEnabled);
    QCOMPARE(during.cursor, Qt::WaitCursor);
    QVERIFY(during.barVisible);
    QCOMPARE(during.barMaximum, 3);
    QVERIFY(during.barValue >= 0 && during.barValue < 3);
    QVERIFY(during.captionVisible);
    QVERIFY(!during.exampleVisible);
    QCOMPARE(bar->value(), 2);
    QVERIFY(bar->isVisibleTo(page));

    // Coming back from the comment page: the progress display is gone, and so is the example.
    m_grid->wizard.go(m_grid->wizard.loaded(PageId::Comment), PageId::Grid);
    QTRY_VERIFY(!bar->isVisible());
    QVERIFY(!caption->isVisible());
    QVERIFY(!example->isVisible());
    QVERIFY(page->isEnabled());
    QCOMPARE(page->cursor().shape(), Qt::ArrowCursor);
}

void TestGridPage::backShowsTheDrawingListAndKeepsTheGrid()
{
    m_grid->show();
    m_grid->typeRow(2, kSave);
    m_grid->child<QScrollBar>(u"VScroll1"_s)->setValue(600);
    QTest::mouseClick(m_grid->child<QPushButton>(u"Cmdbefore"_s), Qt::LeftButton);
    QWidget *drawings = m_grid->wizard.loaded(PageId::Drawings);
    QVERIFY(drawings && drawings->isVisible());
    QVERIFY(!m_grid->page()->isVisible());

    m_grid->wizard.go(drawings, PageId::Grid);
    QVERIFY(m_grid->page()->isVisible());
    QCOMPARE(m_grid->rowTexts(2), kSave);
    QCOMPARE(m_grid->child<QScrollBar>(u"VScroll1"_s)->value(), 600);
}

void TestGridPage::cancel_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::newRow("no") << int(AnswerNo) << false;
    QTest::newRow("yes") << int(AnswerYes) << true;
}

void TestGridPage::cancel()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    m_grid->show();
    m_grid->typeRow(0, kLayerOff);
    m_grid->messages.queueAnswer(answer);

    QTest::mouseClick(m_grid->child<QPushButton>(u"cmdcan"_s), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(m_grid->messages.texts(), QStringList{u"ウィザードを中止しますか？"_s});
    QCOMPARE(windowCollection().isEmpty(), closes);
    if (!closes) {
        QVERIFY(m_grid->page()->isVisible());
        QCOMPARE(m_grid->rowTexts(0), kLayerOff);
    }
}

// The close box works while the page is disabled: the page closes, and every window with it,
// once the script is built, never under the work.
void TestGridPage::closingThePageWhileItGeneratesEndsTheProgramAfterwards()
{
    QStringList paths;
    for (int d = 0; d < 20000; ++d)
        paths.append(u"C:\\a\\%1.dwg"_s.arg(d));
    setDrawings(m_grid->session(), paths);
    m_grid->show();
    m_grid->typeRow(0, kLayerOff);
    PageWindow *page = m_grid->page();
    bool closedDuringWork = false;
    QTimer::singleShot(0, page, [&] {
        page->close();
        closedDuringWork = !page->isEnabled() && windowCollection().contains(page);
    });

    next();

    QVERIFY(closedDuringWork);
    QCOMPARE(m_grid->session().ScriptText.count(u".open "_s), 20000);
    QTRY_VERIFY(windowCollection().isEmpty());
}

QTEST_MAIN(TestGridPage)
#include "test_gridpage.moc"
