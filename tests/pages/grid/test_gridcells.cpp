// The grid's cells: which list each cell looks up when the user moves into it, how the list is
// rewritten, and the rule of each column, with the differences of row 0.

#include "gridpageharness.h"
#include "support/widgettexts.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

const QString kRowFinished = u"この段は終了です"_s;

} // namespace

class TestGridCells : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listLookups_data();
    void listLookups();
    void refillReplacesTheWholeList();
    void columnRules_data();
    void columnRules();
    void rowFinishedAtPurposeNameLooksUpEndAtAction();
    void finishingTheFocusedCellMovesIntoNoOtherCell();
    void focusReturningToTheCurrentCellRunsNothing_data();
    void focusReturningToTheCurrentCellRunsNothing();
    void tabKeyRunsTheCascadeInTabOrder_data();
    void tabKeyRunsTheCascadeInTabOrder();
    void changingATextEmptiesTheCellsThatDependOnIt_data();
    void changingATextEmptiesTheCellsThatDependOnIt();
    void cellWithoutFocusShowsTheBeginningOfItsText_data();
    void cellWithoutFocusShowsTheBeginningOfItsText();

private:
    std::unique_ptr<test::GridPageHarness> m_grid;
};

void TestGridCells::init()
{
    m_grid = std::make_unique<test::GridPageHarness>();
    m_grid->show();
}

void TestGridCells::cleanup()
{
    QVERIFY(test::WizardBench::closeAll());
    m_grid.reset();
}

void TestGridCells::listLookups_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("subject types from shugo, typed text kept")
        << u"[shugo]\nname=レイヤー,図面\n"_s << 0 << 0 << QStringList{u"手入力"_s}
        << QStringList{u"レイヤー"_s, u"図面"_s, QString()};
    QTest::newRow("Combo27 under Combo26's subject type")
        << u"[レイヤー]\ntype=L13,壁\nname=表示しない\n"_s << 6 << 1 << QStringList{u"レイヤー"_s}
        << QStringList{u"L13"_s, u"壁"_s, QString()};
    QTest::newRow("purpose types under the subject type, not the subject name")
        << u"[レイヤー]\nname=表示しない,色を変える\n[L13]\nname=違う\n"_s << 1 << 2
        << QStringList{u"レイヤー"_s, u"L13"_s}
        << QStringList{u"表示しない"_s, u"色を変える"_s, QString()};
    QTest::newRow("purpose names under the purpose type")
        << u"[色を変える]\nname=赤,青\n"_s << 4 << 3
        << QStringList{u"レイヤー"_s, u"L13"_s, u"色を変える"_s}
        << QStringList{u"赤"_s, u"青"_s, QString()};
    QTest::newRow("Combo15 under Combo14's purpose name")
        << u"[赤]\nname=1,2,5\n"_s << 3 << 4
        << QStringList{u"レイヤー"_s, u"L13"_s, u"色を変える"_s, u"赤"_s}
        << QStringList{u"1"_s, u"2"_s, u"5"_s, QString()};
    QTest::newRow("a typed text names the section")
        << u"[自由入力]\nname=a,b\n"_s << 11 << 3
        << QStringList{QString(), QString(), u"自由入力"_s}
        << QStringList{u"a"_s, u"b"_s, QString()};
    QTest::newRow("ten values") << u"[shugo]\nname=a,b,c,d,e,f,g,h,i,j\n"_s << 5 << 0
                                << QStringList() << u"a,b,c,d,e,f,g,h,i,j,"_s.split(u',');
    QTest::newRow("ten or more commas write entries 0 to 10")
        << u"[shugo]\nname=a,b,c,d,e,f,g,h,i,j,k,l,m\n"_s << 5 << 0 << QStringList()
        << u"a,b,c,d,e,f,g,h,i,j,"_s.split(u',');
    QTest::newRow("last value cut to 20 characters")
        << u"[shugo]\nname=あいうえおかきくけこさしすせそたちつてとなにぬ,x\n"_s << 2 << 0
        << QStringList()
        << QStringList{u"あいうえおかきくけこさしすせそたちつてとなにぬ"_s, u"x"_s, QString()};
    QTest::newRow("missing section gives two empty entries")
        << u"[shugo]\nname=a\n"_s << 7 << 2 << QStringList{u"不明"_s}
        << QStringList{QString(), QString()};
}

void TestGridCells::listLookups()
{
    QFETCH(QString, settings);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, entries);
    m_grid->folder.writeSettings(settings);
    m_grid->typeRow(row, texts);
    const QStringList before = m_grid->rowTexts(row);

    m_grid->enter(row, column);

    QCOMPARE(test::comboItems(m_grid->cell(row, column)), entries);
    QCOMPARE(m_grid->rowTexts(row), before);
    QCOMPARE(m_grid->messages.texts(), QStringList());
}

void TestGridCells::refillReplacesTheWholeList()
{
    m_grid->folder.writeSettings(u"[レイヤー]\ntype=n1,n2,n3,n4,n5\n"_s);
    m_grid->type(6, 0, u"レイヤー"_s);
    QComboBox *names = m_grid->cell(u"Combo27"_s);
    m_grid->enter(names);
    names->setCurrentIndex(2); // the user picks n3
    m_grid->folder.writeSettings(u"[レイヤー]\ntype=m1,m2\n"_s);

    m_grid->enter(names);

    QCOMPARE(test::comboItems(names), (QStringList{u"m1"_s, u"m2"_s, QString()}));
    QCOMPARE(names->currentText(), u"n3"_s);
}

void TestGridCells::columnRules_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("enabledBefore");
    QTest::addColumn<QStringList>("textsAfter");
    QTest::addColumn<QString>("enabledAfter");
    QTest::addColumn<bool>("finishedMessage");

    const QStringList layer{u"レイヤー"_s, u"L13"_s, u"表示しない"_s, QString(), QString()};
    const QStringList layerEnded{u"レイヤー"_s, u"L13"_s, u"表示しない"_s, u"終了"_s, u"終了"_s};
    const QStringList drawing{u"図面"_s, QString(), QString(), QString(), QString()};
    const QStringList drawingAll{u"図面"_s, u"すべて"_s, QString(), QString(), QString()};

    QTest::newRow("subject type enables subject name")
        << u"[shugo]\nname=レイヤー,図面\n"_s << 6 << 0 << drawingAll << u"10111"_s << drawingAll
        << u"11111"_s << false;
    QTest::newRow("row 0 subject name すべて is fixed")
        << u"[図面]\ntype=すべて,x\n"_s << 0 << 1 << drawing << u"11111"_s << drawingAll
        << u"10111"_s << false;
    QTest::newRow("row 4 subject name すべて is fixed")
        << u"[図面]\ntype=すべて,x\n"_s << 4 << 1 << drawing << u"11111"_s << drawingAll
        << u"10111"_s << false;
    QTest::newRow("subject name list without すべて")
        << u"[図面]\ntype=x,すべて\n"_s << 4 << 1 << drawing << u"11111"_s << drawing << u"11111"_s
        << false;
    QTest::newRow("purpose type enables purpose name and action")
        << u"[レイヤー]\nname=表示しない\n"_s << 3 << 2 << layerEnded << u"11100"_s << layerEnded
        << u"11111"_s << false;
    QTest::newRow("row 1 purpose name 終了 leaves both open")
        << u"[表示しない]\nname=終了,x\n"_s << 1 << 3 << layer << u"11111"_s << layerEnded
        << u"11111"_s << true;
    QTest::newRow("row 0 purpose name 終了 closes both")
        << u"[表示しない]\nname=終了\n"_s << 0 << 3 << layer << u"11111"_s << layerEnded
        << u"11100"_s << true;
    QTest::newRow("row 0 purpose name without 終了")
        << u"[表示しない]\nname=x,終了\n"_s << 0 << 3 << layer << u"11111"_s << layer << u"11111"_s
        << false;

    // The action list decides: its first entry "終了", or an end score of 2 or more, in which
    // the written trailing empty entry always counts 1.
    const struct
    {
        const char *name;
        QString value;
        bool finishes;
    } actions[] = {
        {"1,2,5", u"1,2,5"_s, false},  {"1,,5", u"1,,5"_s, true},
        {"1,2,", u"1,2,"_s, true},     {"可能", u"可能"_s, true},
        {"能", u"能"_s, true},         {"可", u"可"_s, true},
        {"x,可", u"x,可"_s, true},     {"可能x", u"可能x"_s, false},
        {"終了,x", u"終了,x"_s, true}, {"empty list", QString(), true},
    };
    const QStringList action{u"S"_s, u"N"_s, u"P"_s, u"A"_s, QString()};
    const QStringList actionEnded{u"S"_s, u"N"_s, u"P"_s, u"A"_s, u"終了"_s};
    for (const auto &a : actions) {
        const QString settings = u"[A]\nname="_s + a.value + u'\n';
        QTest::addRow("row 0 action %s", a.name)
            << settings << 0 << 4 << action << u"11111"_s << (a.finishes ? actionEnded : action)
            << (a.finishes ? u"11110"_s : u"11111"_s) << a.finishes;
        for (int row : {2, 3, 11}) {
            QTest::addRow("row %d action %s", row, a.name)
                << settings << row << 4 << action << u"11111"_s
                << (a.finishes ? actionEnded : action) << (a.finishes ? u"11100"_s : u"11111"_s)
                << a.finishes;
        }
    }
}

void TestGridCells::columnRules()
{
    QFETCH(QString, settings);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QStringList, texts);
    QFETCH(QString, enabledBefore);
    QFETCH(QStringList, textsAfter);
    QFETCH(QString, enabledAfter);
    QFETCH(bool, finishedMessage);
    m_grid->folder.writeSettings(settings);
    m_grid->typeRow(row, texts);
    for (int c = 0; c < 5; ++c)
        m_grid->cell(row, c)->setEnabled(enabledBefore[c] == u'1');

    m_grid->enter(row, column);

    QCOMPARE(m_grid->rowTexts(row), textsAfter);
    QCOMPARE(m_grid->rowEnabled(row), enabledAfter);
    QCOMPARE(m_grid->messages.texts(), finishedMessage ? QStringList{kRowFinished} : QStringList());
    if (finishedMessage)
        QCOMPARE(m_grid->messages.shown().first().style, int(InformationNotice));
}

void TestGridCells::rowFinishedAtPurposeNameLooksUpEndAtAction()
{
    m_grid->folder.writeSettings(u"[表示しない]\nname=終了\n"_s);
    m_grid->typeRow(1, {u"レイヤー"_s, u"L13"_s, u"表示しない"_s});
    m_grid->enter(1, 3);
    QCOMPARE(m_grid->rowEnabled(1), u"11111"_s);

    // No section "終了": an empty action list finishes the row again and closes it.
    m_grid->enter(1, 4);
    QCOMPARE(m_grid->messages.texts(), (QStringList{kRowFinished, kRowFinished}));
    QCOMPARE(m_grid->rowEnabled(1), u"11100"_s);
    QCOMPARE(m_grid->rowTexts(1).mid(3), (QStringList{u"終了"_s, u"終了"_s}));
}

// The focused cell that a rule disables must not pass the focus on along the tab order: Combo5
// follows Combo15 there, and its handler would finish row 1 behind the user's back.
void TestGridCells::finishingTheFocusedCellMovesIntoNoOtherCell()
{
    m_grid->folder.writeSettings(QString());
    m_grid->type(3, 3, u"P"_s);
    m_grid->enter(3, 4);

    QCOMPARE(m_grid->rowEnabled(3), u"11100"_s);
    QCOMPARE(m_grid->messages.texts(), QStringList{kRowFinished});
    QCOMPARE(m_grid->cell(u"Combo5"_s)->count(), 0);
    QVERIFY(!qobject_cast<QComboBox *>(QApplication::focusWidget()));
    QCOMPARE(m_grid->rowEnabled(1), u"11111"_s);
}

// A cell runs its handler when it becomes the page's current cell; focus that went to another
// window or to the cell's own drop-down list and comes back is no new entry.
void TestGridCells::focusReturningToTheCurrentCellRunsNothing_data()
{
    QTest::addColumn<Qt::FocusReason>("leaving");
    QTest::addColumn<QString>("target");
    QTest::addColumn<Qt::FocusReason>("arriving");
    QTest::addColumn<int>("entries");

    const QString same = u"Combo21"_s;
    QTest::newRow("away and back by mouse")
        << Qt::MouseFocusReason << same << Qt::MouseFocusReason << 4;
    QTest::newRow("away and back by Tab")
        << Qt::TabFocusReason << same << Qt::BacktabFocusReason << 4;
    QTest::newRow("back from its drop-down list")
        << Qt::PopupFocusReason << same << Qt::PopupFocusReason << 3;
    QTest::newRow("back from another window")
        << Qt::ActiveWindowFocusReason << same << Qt::ActiveWindowFocusReason << 3;
    QTest::newRow("click on another cell activates the window")
        << Qt::ActiveWindowFocusReason << u"Combo26"_s << Qt::ActiveWindowFocusReason << 4;
}

void TestGridCells::focusReturningToTheCurrentCellRunsNothing()
{
    QFETCH(Qt::FocusReason, leaving);
    QFETCH(QString, target);
    QFETCH(Qt::FocusReason, arriving);
    QFETCH(int, entries);
    m_grid->folder.writeSettings(u"[shugo]\nname=a,b\n"_s);
    m_grid->enter(m_grid->cell(u"Combo21"_s));
    m_grid->folder.writeSettings(u"[shugo]\nname=a,b,c\n"_s);

    QFocusEvent focusOut(QEvent::FocusOut, leaving);
    QCoreApplication::sendEvent(m_grid->cell(u"Combo21"_s), &focusOut);
    QFocusEvent focusIn(QEvent::FocusIn, arriving);
    QCoreApplication::sendEvent(m_grid->cell(target), &focusIn);

    QCOMPARE(m_grid->cell(target)->count(), entries);
}

void TestGridCells::tabKeyRunsTheCascadeInTabOrder_data()
{
    QTest::addColumn<bool>("filled");
    QTest::addColumn<QStringList>("disabled");
    QTest::newRow("all cells enabled") << true << QStringList();
    // Cells that no handler visited before them enables again.
    QTest::newRow("disabled cells are skipped")
        << true << QStringList{u"Combo3"_s, u"Combo4"_s, u"Combo5"_s, u"Combo48"_s};
    // An empty row has no purpose name under which its action could end it.
    QTest::newRow("empty rows stay empty") << false << QStringList();
}

// The Tab key runs row by row from the top, each row from left to right.
void TestGridCells::tabKeyRunsTheCascadeInTabOrder()
{
    QFETCH(bool, filled);
    QFETCH(QStringList, disabled);
    // Lists that finish no row and fix no subject name, so the order stays as it is.
    m_grid->folder.writeSettings(
        u"[shugo]\nname=S\n[S]\ntype=N\nname=T\n[T]\nname=P\n[P]\nname=a,b\n"_s);
    for (int row = 0; filled && row < 12; ++row)
        m_grid->typeRow(row, {u"S"_s, u"N"_s, u"T"_s, u"P"_s});
    for (const QString &name : disabled)
        m_grid->cell(name)->setEnabled(false);
    QStringList expected;
    for (int row = 0; row < 12; ++row) {
        for (int column = 0; column < 5; ++column)
            expected.append(m_grid->cellName(row, column));
    }
    for (const QString &name : disabled)
        expected.removeOne(name);

    m_grid->child(u"cmdcan"_s)->setFocus();
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        auto *cell = qobject_cast<QComboBox *>(QApplication::focusWidget());
        QVERIFY2(cell, qPrintable(visited.join(u' ')));
        QVERIFY2(cell->count() > 0, qPrintable(cell->objectName()));
        visited.append(cell->objectName());
    }
    QCOMPARE(visited, expected);
    QCOMPARE(m_grid->messages.texts(), QStringList());
    const QStringList lastRow{u"S"_s, u"N"_s, u"T"_s, u"P"_s, QString()};
    QCOMPARE(m_grid->rowTexts(11), filled ? lastRow : QStringList(5, QString()));
}

// Each row: the texts typed into a row and the cell then entered to compose it, the cell whose
// text the user changes by picking entry N of its list ("pick:N") or by typing ("type:text"),
// and the row's texts and enabled mask afterwards.
void TestGridCells::changingATextEmptiesTheCellsThatDependOnIt_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("composed");
    QTest::addColumn<int>("entered");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("textsAfter");
    QTest::addColumn<QString>("enabledAfter");

    const QStringList off{u"レイヤー"_s, u"L13"_s, u"表示しない"_s};
    const QStringList offEnded = off + QStringList{u"終了"_s, u"終了"_s};
    const QStringList colour{u"レイヤー"_s, u"L13"_s, u"色を変える"_s, QString(), QString()};
    QTest::newRow("row 0 purpose type picked anew")
        << 0 << off << 3 << 2 << u"pick:1"_s << colour << u"11111"_s;
    QTest::newRow("row 4 purpose type typed anew")
        << 4 << off << 3 << 2 << u"type:X"_s
        << QStringList{u"レイヤー"_s, u"L13"_s, u"X"_s, QString(), QString()} << u"11111"_s;
    QTest::newRow("the same purpose type picked again")
        << 0 << off << 3 << 2 << u"pick:0"_s << offEnded << u"11111"_s;
    QTest::newRow("subject type typed anew")
        << 1 << off << 3 << 0 << u"type:X"_s
        << QStringList{u"X"_s, QString(), QString(), QString(), QString()} << u"11111"_s;
    QTest::newRow("a fixed subject name opens again")
        << 2 << QStringList{u"図面"_s} << 1 << 0 << u"pick:0"_s
        << QStringList{u"レイヤー"_s, QString(), QString(), QString(), QString()} << u"11111"_s;
    QTest::newRow("nothing depends on the subject name")
        << 1 << off << 3 << 1 << u"type:W"_s
        << QStringList{u"レイヤー"_s, u"W"_s, u"表示しない"_s, u"終了"_s, u"終了"_s} << u"11111"_s;
    QTest::newRow("purpose name typed anew")
        << 1 << off << 3 << 3 << u"type:x"_s
        << QStringList{u"レイヤー"_s, u"L13"_s, u"表示しない"_s, u"x"_s, QString()} << u"11111"_s;
}

void TestGridCells::changingATextEmptiesTheCellsThatDependOnIt()
{
    QFETCH(int, row);
    QFETCH(QStringList, composed);
    QFETCH(int, entered);
    QFETCH(int, column);
    QFETCH(QString, change);
    QFETCH(QStringList, textsAfter);
    QFETCH(QString, enabledAfter);
    m_grid->folder.writeSettings(u"[shugo]\nname=レイヤー,図面\n[レイヤー]\ntype=L13,壁\n"
                                 u"name=表示しない,色を変える\n[図面]\ntype=すべて\n"
                                 u"[表示しない]\nname=終了\n"_s);
    m_grid->typeRow(row, composed);
    m_grid->enter(row, entered);

    QComboBox *cell = m_grid->cell(row, column);
    m_grid->enter(cell);
    const QString argument = change.section(u':', 1);
    if (change.startsWith(u"pick")) {
        cell->setCurrentIndex(argument.toInt());
    } else {
        cell->lineEdit()->selectAll();
        QTest::keyClicks(cell, argument);
    }

    QCOMPARE(m_grid->rowTexts(row), textsAfter);
    QCOMPARE(m_grid->rowEnabled(row), enabledAfter);
}

void TestGridCells::cellWithoutFocusShowsTheBeginningOfItsText_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    // Longer than the cell in any font; a listed value keeps at most 20 characters.
    QTest::newRow("picked from its list") << u"picked"_s << u"DXF(2000)形式で名前を付けて保存"_s;
    QTest::newRow("typed") << u"typed"_s << u"SAVEAS-DXF-R2000-LATEST"_s;
    QTest::newRow("written while another cell has the focus")
        << u"written"_s << u"DXF(2000)形式で名前を付けて保存"_s;
}

// A text longer than its cell: the cell leaves it at its beginning once the focus is elsewhere.
void TestGridCells::cellWithoutFocusShowsTheBeginningOfItsText()
{
    QFETCH(QString, how);
    QFETCH(QString, text);
    m_grid->folder.writeSettings(u"[図面]\nname=上書き保存する,"_s + text + u'\n');
    m_grid->type(1, 0, u"図面"_s);
    QComboBox *cell = m_grid->cell(1, 2);
    if (how == u"written") {
        m_grid->enter(1, 3);
        m_grid->type(1, 2, text);
    } else {
        m_grid->enter(cell);
        if (how == u"picked")
            cell->setCurrentIndex(1);
        else
            QTest::keyClicks(cell, text);
        QCOMPARE(cell->lineEdit()->cursorPosition(), text.size());
        m_grid->enter(1, 3);
    }

    QCOMPARE(cell->currentText(), text);
    QVERIFY(cell->lineEdit()->fontMetrics().horizontalAdvance(text) > cell->lineEdit()->width());
    QCOMPARE(cell->lineEdit()->cursorPosition(), 0);
}

QTEST_MAIN(TestGridCells)
#include "test_gridcells.moc"
