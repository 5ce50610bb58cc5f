#include "core/session.h"
#include "core/shell/layout.h"
#include "core/shell/savedialog.h"
#include "generation/scriptfile.h"
#include "pages/finish/finishfrm.h"
#include "platform/keystrokes/recordingkeystrokesender.h"
#include "support/testfiles.h"
#include "support/userinput.h"
#include "support/widgettexts.h"
#include "support/wizardbench.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QTimer>
#include <QtTest>

using namespace tavrolin;
using tavrolin::test::WizardBench;

namespace {

const QString NotRunning = QStringLiteral("Aucadが起動していません");
const QString NoExtension = QStringLiteral("拡張子の.scrも記述してください");

QString settingsWithApplications(const QString &names)
{
    return QStringLiteral("[aplicationname]\r\nname=") + names + QStringLiteral("\r\n");
}

} // namespace

class TestFinishPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void titleRevealed();
    void check1EnablesAndFocusesCombo1();
    void applicationList_data();
    void applicationList();
    void handOver_data();
    void handOver();
    void typedTitleBeginningStaysAsTyped();
    void emptyEntryCannotBePicked();
    void failedHandOverSkipsSave();
    void drawingsCheckedFirst_data();
    void drawingsCheckedFirst();
    void save_data();
    void save();
    void backShowsReviewPage();

private:
    template <typename Widget>
    Widget *control(const char *name) const
    {
        return m_bench->control<Widget>(PageId::Finish, name);
    }
    void click(const char *name) const { m_bench->click(PageId::Finish, name); }
    // Shows the finish page the way the review page's "次へ＞" does, which writes tmp.scr.
    void forwardFromReview();

    std::unique_ptr<WizardBench> m_bench;
    RecordingKeystrokeSender *m_sender = nullptr;
};

void TestFinishPage::init()
{
    m_bench = std::make_unique<WizardBench>();
    m_bench->session().ScriptText = QStringLiteral("\r\n.open C:\\a\\p1.dwg\r\n-layer of L13 ");
    m_bench->session().CommentText = QStringLiteral("; 図面\r\n;作成日時2000/05/06 15:00:16\r\n");
    auto sender = std::make_unique<RecordingKeystrokeSender>();
    m_sender = sender.get();
    setKeystrokeSender(std::move(sender));
}

void TestFinishPage::cleanup()
{
    QVERIFY(WizardBench::closeAll());
    setKeystrokeSender(nullptr);
    m_bench.reset();
}

void TestFinishPage::forwardFromReview()
{
    m_bench->show(PageId::Review);
    m_bench->click(PageId::Review, "cmdnext");
    QVERIFY(QTest::qWaitForWindowActive(m_bench->wizard.loaded(PageId::Finish)));
}

void TestFinishPage::titleRevealed()
{
    m_bench->wizard.load(PageId::Finish);
    auto *title = control<QLabel>("Label1");
    QCOMPARE(title->width(), 0);
    m_bench->show(PageId::Finish);

    QTRY_VERIFY_WITH_TIMEOUT(title->width() > 0, 5000);
    QVERIFY(title->width() < twips(finishfrm::kTitleWidth));
    // 168 steps of 25 twips: the first width that is not less than 4185.
    QTRY_COMPARE_WITH_TIMEOUT(title->width(), twips(4200), 20000);
    QTRY_VERIFY(!control<QTimer>("Timer1")->isActive());
    QCOMPARE(title->width(), twips(4200));
}

void TestFinishPage::check1EnablesAndFocusesCombo1()
{
    m_bench->show(PageId::Finish);
    auto *combo = control<QComboBox>("Combo1");
    QVERIFY(!combo->isEnabled());

    for (const bool checked : {true, false, true}) {
        click("Check1");
        QCOMPARE(control<QCheckBox>("Check1")->isChecked(), checked);
        QCOMPARE(combo->isEnabled(), checked);
        if (checked)
            QTRY_VERIFY(combo->hasFocus());
    }
}

void TestFinishPage::applicationList_data()
{
    QTest::addColumn<QString>("firstValue");
    QTest::addColumn<QString>("secondValue");
    QTest::addColumn<QStringList>("firstItems");
    QTest::addColumn<QStringList>("secondItems");

    const QStringList two{QStringLiteral("AutoCAD 2000"), QStringLiteral("AutoCAD R14"), QString()};
    QTest::newRow("two titles, refocused")
        << QStringLiteral("AutoCAD 2000,AutoCAD R14") << QStringLiteral("AutoCAD 2000,AutoCAD R14")
        << two << two;
    // An empty value is one empty title, followed by the empty entry that ends every fill.
    QTest::newRow("no titles") << QString() << QString() << QStringList{QString(), QString()}
                               << QStringList{QString(), QString()};
    QTest::newRow("a shorter list leaves the old entries behind")
        << QStringLiteral("A,B,C") << QStringLiteral("X")
        << QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QString()}
        << QStringList{QStringLiteral("X"), QString(), QStringLiteral("C"), QString()};
    const QStringList eleven{QStringLiteral("a"),
                             QStringLiteral("b"),
                             QStringLiteral("c"),
                             QStringLiteral("d"),
                             QStringLiteral("e"),
                             QStringLiteral("f"),
                             QStringLiteral("g"),
                             QStringLiteral("h"),
                             QStringLiteral("i"),
                             QStringLiteral("j"),
                             QString()};
    QTest::newRow("ten or more commas fill entries 0 to 10")
        << QStringLiteral("a,b,c,d,e,f,g,h,i,j,k,l") << QStringLiteral("a,b,c,d,e,f,g,h,i,j,")
        << eleven << eleven;
}

void TestFinishPage::applicationList()
{
    QFETCH(QString, firstValue);
    QFETCH(QString, secondValue);
    QFETCH(QStringList, firstItems);
    QFETCH(QStringList, secondItems);

    m_bench->folder.writeSettings(settingsWithApplications(firstValue));
    m_bench->show(PageId::Finish);
    auto *combo = control<QComboBox>("Combo1");
    click("Check1");
    QTRY_VERIFY(combo->hasFocus());
    QCOMPARE(test::comboItems(combo), firstItems);
    QTest::keyClicks(combo, QStringLiteral("typed"));

    m_bench->folder.writeSettings(settingsWithApplications(secondValue));
    control<QCheckBox>("Check2")->setFocus(Qt::TabFocusReason);
    combo->setFocus(Qt::TabFocusReason);

    QCOMPARE(test::comboItems(combo), secondItems);
    QCOMPARE(combo->currentText(), QStringLiteral("typed"));

    // Only a pick from the open list changes the title; the wheel over the box does not.
    QWidget *page = m_bench->wizard.loaded(PageId::Finish);
    test::rollWheel(page, combo->mapTo(page, combo->rect().center()), -1);
    QCOMPARE(combo->currentText(), QStringLiteral("typed"));
}

void TestFinishPage::handOver_data()
{
    QTest::addColumn<QString>("programFolder"); // in the test's folder
    QTest::addColumn<bool>("scrBlocked");       // a file named scr in it: the user's folder
    QTest::addColumn<bool>("quoted");

    QTest::newRow("path without a blank") << QStringLiteral("cad") << false << false;
    QTest::newRow("path with a blank is quoted") << QStringLiteral("my cad (2)+") << false << true;
    QTest::newRow("program folder that cannot take it") << QStringLiteral("cad") << true << false;
}

void TestFinishPage::handOver()
{
    QFETCH(QString, programFolder);
    QFETCH(bool, scrBlocked);
    QFETCH(bool, quoted);

    const QString folder = m_bench->folder.file(programFolder);
    if (scrBlocked)
        test::writeBytes(folder + QStringLiteral("/scr"), "in the way");
    setProgramFolder(folder);
    forwardFromReview();
    click("Check1");
    QTest::keyClicks(control<QComboBox>("Combo1"), QStringLiteral("AutoCAD 2000"));

    click("cmdnext");

    const QString path = QDir::toNativeSeparators(
        (scrBlocked ? m_bench->folder.file(QStringLiteral("user")) : folder) +
        QStringLiteral("/scr/tmp.scr"));
    QVERIFY(QFileInfo(path).size() > 0);
    const QString typedPath = quoted ? u'"' + path + u'"' : path;
    QCOMPARE(m_sender->requests().size(), 1);
    QCOMPARE(m_sender->requests().constFirst().windowTitle, QStringLiteral("AutoCAD 2000"));
    QCOMPARE(m_sender->requests().constFirst().text,
             QStringLiteral("_script\n") + typedPath + u'\r');
    QVERIFY(m_bench->messages.shown().isEmpty());
}

// A typed beginning of a title is sent as typed, not completed to a listed title.
void TestFinishPage::typedTitleBeginningStaysAsTyped()
{
    m_bench->folder.writeSettings(
        QStringLiteral("[aplicationname]\r\nname=AutoCAD 2000,AutoCAD R14\r\n"));
    m_bench->show(PageId::Finish);
    click("Check1");
    auto *title = control<QComboBox>("Combo1");
    QCOMPARE(title->count(), 3);
    QTest::keyClicks(title, QStringLiteral("AutoCAD"));
    QCOMPARE(title->currentText(), QStringLiteral("AutoCAD"));

    click("cmdnext");

    QCOMPARE(m_sender->requests().size(), 1);
    QCOMPARE(m_sender->requests().constFirst().windowTitle, QStringLiteral("AutoCAD"));
}

// The empty entry that ends the list is neither shown in the open list nor reached by the keys.
void TestFinishPage::emptyEntryCannotBePicked()
{
    m_bench->folder.writeSettings(settingsWithApplications(QStringLiteral("AutoCAD 2000,R14")));
    m_bench->show(PageId::Finish);
    click("Check1");
    auto *title = control<QComboBox>("Combo1");

    for (int press = 0; press < 3; ++press)
        QTest::keyClick(title, Qt::Key_Down);

    QCOMPARE(title->currentText(), QStringLiteral("R14"));
    const auto *view = qobject_cast<QListView *>(title->view());
    QVERIFY(!view->isRowHidden(1) && view->isRowHidden(2));
}

void TestFinishPage::failedHandOverSkipsSave()
{
    ScriptedSaveDialog dialog;
    dialog.queueFileName(m_bench->folder.file(QStringLiteral("plan1.scr")));
    m_sender->setFailure(QStringLiteral("no window"));
    m_bench->show(PageId::Finish);
    click("Check1");
    click("Check2");

    click("cmdnext");

    QCOMPARE(m_bench->messages.texts(), QStringList{NotRunning});
    QCOMPARE(m_bench->messages.shown().constFirst().style, int(ExclamationWarning));
    QCOMPARE(dialog.timesShown(), 0);
    QVERIFY(!QFile::exists(m_bench->folder.file(QStringLiteral("plan1.scr"))));
}

// Before the hand-over the drawings are checked, against the release the picked title names;
// what is found is listed in one question (the first ten findings), and "いいえ" goes back to the
// drawing list.
void TestFinishPage::drawingsCheckedFirst_data()
{
    QTest::addColumn<QStringList>("drawings"); // "name=first bytes" are made; others are missing
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("question"); // pieces it holds ("!": does not hold); none: asks
    QTest::addColumn<bool>("handedOver");      // nothing

    const auto s = [](const char16_t *text) { return QString::fromUtf16(text); };
    const QStringList none;
    QTest::newRow("a clean list asks nothing")
        << QStringList{s(u"a.dwg=AC1015")} << s(u"AutoCAD 2002") << 0 << none << true;
    QTest::newRow("too new for the title's release, go on")
        << QStringList{s(u"a.dwg=AC1015"), s(u"b.dwg=AC1018")} << s(u"AutoCAD 2002 - [図面1.dwg]")
        << int(AnswerYes)
        << QStringList{s(u"b.dwg\n　AutoCAD 2004～2006 形式（AC1018）の図面です。AutoCAD 2002 では"
                         u"開けません"),
                       s(u"!a.dwg")}
        << true;
    QTest::newRow("a title without release checks no format")
        << QStringList{s(u"b.dwg=AC1018")} << s(u"AutoCAD") << 0 << none << true;
    QStringList twelve;
    for (int i = 1; i <= 12; ++i)
        twelve.append(QStringLiteral("m%1.dwg").arg(i, 2, 10, QLatin1Char('0')));
    QTest::newRow("twelve missing drawings, go back")
        << twelve << s(u"AutoCAD 2000") << int(AnswerNo)
        << QStringList{s(u"m10.dwg"), s(u"!m11.dwg"), s(u"\n\nほかに 2 件\n")} << false;
}

void TestFinishPage::drawingsCheckedFirst()
{
    QFETCH(QStringList, drawings);
    QFETCH(QString, title);
    QFETCH(int, answer);
    QFETCH(QStringList, question);
    QFETCH(bool, handedOver);

    Session &session = m_bench->session();
    for (const QString &drawing : drawings) {
        const QString path = m_bench->folder.file(drawing.section(u'=', 0, 0));
        if (drawing.contains(u'='))
            test::writeBytes(path, drawing.section(u'=', 1).toLatin1() + QByteArray(64, '\0'));
        session.DrawingPaths[session.DrawingCount++] = path;
    }
    m_bench->messages.queueAnswer(answer);
    m_bench->show(PageId::Finish);
    click("Check1");
    control<QComboBox>("Combo1")->setEditText(title);

    click("cmdnext");

    QCOMPARE(m_bench->messages.shown().size(), question.isEmpty() ? 0 : 1);
    for (const QString &piece : question) {
        const QString text = m_bench->messages.shown().constFirst().text;
        QVERIFY2(text.contains(piece.mid(piece.startsWith(u'!'))) != piece.startsWith(u'!'),
                 qPrintable(text));
    }
    QCOMPARE(m_sender->requests().size(), handedOver ? 1 : 0);
    QCOMPARE(m_bench->isShown(PageId::Drawings), !handedOver);
}

void TestFinishPage::save_data()
{
    QTest::addColumn<QString>("answer");  // relative to the test's program folder; "" cancels
    QTest::addColumn<QString>("written"); // the file that gets the script, or ""
    QTest::addColumn<QString>("message"); // the message shown, or ""
    QTest::addColumn<int>("replace");     // the answer to the question about an existing file

    const QString none;
    const auto s = [](const char16_t *text) { return QString::fromUtf16(text); };
    const int no = AnswerNo;
    QTest::newRow("with .scr") << s(u"plan1.scr") << s(u"plan1.scr") << none << no;
    QTest::newRow("blanks around the name are dropped")
        << s(u"plan1.scr  ") << s(u"plan1.scr") << none << no;
    QTest::newRow("an existing file is replaced on Yes")
        << s(u"old.scr") << s(u"old.scr") << s(u"old.scr") << int(AnswerYes);
    QTest::newRow("an existing file is kept on No") << s(u"old.scr") << none << s(u"old.scr") << no;
    QTest::newRow("without extension") << s(u"plan1") << none << NoExtension << no;
    QTest::newRow(".SCR is not .scr") << s(u"plan1.SCR") << none << NoExtension << no;
    QTest::newRow("a folder named x.scr passes")
        << s(u"x.scr/plan1") << s(u"x.scr/plan1") << none << no;
    QTest::newRow("cancel") << none << none << none << no;
    QTest::newRow("write failure")
        << s(u"missing/plan1.scr") << none << s(u"missing/plan1.scr") << no;
}

void TestFinishPage::save()
{
    QFETCH(QString, answer);
    QFETCH(QString, written);
    QFETCH(QString, message);
    QFETCH(int, replace);

    const auto file = [this](const QString &relative) { return m_bench->folder.file(relative); };
    QVERIFY(QDir().mkpath(file(QStringLiteral("x.scr"))));
    test::writeBytes(file(QStringLiteral("old.scr")), "old contents that are longer");
    ScriptedSaveDialog dialog;
    dialog.queueFileName(answer.isEmpty() ? QString() : file(answer));
    m_bench->messages.queueAnswer(replace);
    forwardFromReview();
    click("Check2");

    click("cmdnext");

    QCOMPARE(dialog.timesShown(), 1);
    QCOMPARE(dialog.lastCaption(), QStringLiteral("Tavrolin"));
    QCOMPARE(dialog.lastFolder(), file(QStringLiteral("scr")));
    QCOMPARE(dialog.lastFilter(), QStringLiteral("スクリプトファイル(*.scr)"));
    QVERIFY(m_sender->requests().isEmpty());
    if (!written.isEmpty())
        QCOMPARE(test::readBytes(file(written)),
                 test::readBytes(file(QStringLiteral("scr/tmp.scr"))));
    QCOMPARE(test::readBytes(file(QStringLiteral("old.scr"))).startsWith("old"),
             written != QStringLiteral("old.scr"));
    // The names as stored: where the file system ignores case, plan1.scr answers for plan1.SCR.
    const QStringList stored = QDir(m_bench->folder.path()).entryList(QDir::Files);
    QVERIFY(!stored.contains(QStringLiteral("plan1")));
    QVERIFY(!stored.contains(QStringLiteral("plan1.SCR")));
    if (message.isEmpty()) {
        QCOMPARE(m_bench->messages.texts(), QStringList());
        return;
    }
    QCOMPARE(m_bench->messages.shown().size(), 1);
    const ShownMessage warning = m_bench->messages.shown().constFirst();
    const bool asked = message == QStringLiteral("old.scr");
    QCOMPARE(warning.style, int(asked ? ExclamationQuestion : ExclamationWarning));
    QCOMPARE(warning.title, QStringLiteral("Tavrolin"));
    if (message == NoExtension)
        QCOMPARE(warning.text, NoExtension);
    else
        QVERIFY2(warning.text.contains(QDir::toNativeSeparators(file(message))) &&
                     warning.text.contains(QStringLiteral("置き換えますか")) == asked &&
                     !warning.text.contains(NotRunning),
                 qPrintable(warning.text));
}

void TestFinishPage::backShowsReviewPage()
{
    m_bench->show(PageId::Finish);

    click("Cmdbefore");

    QVERIFY(m_bench->isShown(PageId::Review));
    QVERIFY(!m_bench->isShown(PageId::Finish));
}

QTEST_MAIN(TestFinishPage)
#include "test_finishfrm.moc"
