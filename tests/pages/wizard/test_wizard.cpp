#include "support/wizardbench.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

class TestWizard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startShowsTheStartPage();
    void pagesLoadOnceAndOpenWhereThePreviousStood();
    void sideWindowsOpenOnceBesideTheWizard();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void keysMoveOnOrClose_data();
    void keysMoveOnOrClose();

private:
    std::unique_ptr<test::WizardBench> m_bench;
};

void TestWizard::init()
{
    m_bench = std::make_unique<test::WizardBench>();
    m_bench->folder.useShippedSettings();
}

void TestWizard::cleanup()
{
    QVERIFY(test::WizardBench::closeAll());
    m_bench.reset();
}

void TestWizard::startShowsTheStartPage()
{
    m_bench->wizard.start();
    PageWindow *start = m_bench->wizard.loaded(Wizard::kStartPage);
    QVERIFY(start);
    QVERIFY(start->isVisible());
    QCOMPARE(start->windowTitle(), QStringLiteral("Tavrolin"));
    QVERIFY(QTest::qWaitForWindowActive(start));
    QCOMPARE(QApplication::focusWidget(), start->findChild<QWidget *>(u"cmdnext"_s));
}

void TestWizard::pagesLoadOnceAndOpenWhereThePreviousStood()
{
    QWidget *drawings = m_bench->wizard.load(PageId::Drawings);
    QCOMPARE(m_bench->wizard.load(PageId::Drawings), drawings);
    drawings->move(140, 90);
    drawings->show();
    m_bench->wizard.go(drawings, PageId::Comment);
    QWidget *comment = m_bench->wizard.loaded(PageId::Comment);
    QVERIFY(comment);
    QVERIFY(!drawings->isVisible());
    QVERIFY(comment->isVisible());
    QCOMPARE(comment->pos(), QPoint(140, 90));
    m_bench->wizard.go(comment, PageId::Drawings);
    QCOMPARE(m_bench->wizard.loaded(PageId::Drawings), drawings);
    QVERIFY(drawings->isVisible());
}

void TestWizard::sideWindowsOpenOnceBesideTheWizard()
{
    m_bench->wizard.start();
    m_bench->wizard.showAbout();
    m_bench->wizard.showHelp();
    m_bench->wizard.showAbout();
    int side = 0;
    for (PageWindow *window : windowCollection())
        side += window->kind() == PageWindow::Kind::SideWindow;
    QCOMPARE(side, 2);
    QVERIFY(m_bench->wizard.loaded(Wizard::kStartPage)->isVisible());
}

void TestWizard::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<int>("window"); // a page, or -1 for the About box
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("pressed");

    constexpr int about = -1;
    const QStringList cancel{u"cmdcan"_s};
    QTest::newRow("welcome page") << int(PageId::Welcome) << u"cmdcan"_s << int(Qt::Key_Return)
                                  << cancel;
    QTest::newRow("drawing list") << int(PageId::Drawings) << u"cmdcan"_s << int(Qt::Key_Return)
                                  << cancel;
    QTest::newRow("grid") << int(PageId::Grid) << u"cmdcan"_s << int(Qt::Key_Return) << cancel;
    QTest::newRow("comment") << int(PageId::Comment) << u"cmdcan"_s << int(Qt::Key_Return)
                             << cancel;
    QTest::newRow("review, keypad Enter")
        << int(PageId::Review) << u"cmdcan"_s << int(Qt::Key_Enter) << cancel;
    QTest::newRow("finish") << int(PageId::Finish) << u"cmdcan"_s << int(Qt::Key_Return) << cancel;
    QTest::newRow("About box") << about << u"cmdOK"_s << int(Qt::Key_Return)
                               << QStringList{u"cmdOK"_s};
    QTest::newRow("a grid cell keeps Enter")
        << int(PageId::Grid) << u"Combo1"_s << int(Qt::Key_Return) << QStringList();
    QTest::newRow("the comment box keeps Enter")
        << int(PageId::Comment) << u"RichTextBox1"_s << int(Qt::Key_Return) << QStringList();
}

// Tab to a control, then Enter. Cancel asks its question, answered No.
void TestWizard::enterPressesTheFocusedButton()
{
    QFETCH(int, window);
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(QStringList, pressed);
    if (window < 0)
        m_bench->wizard.showAbout();
    PageWindow *shown =
        window < 0 ? test::WindowBench::window(u"frmAbout"_s) : m_bench->show(PageId(window));
    QStringList clicked;
    const QObject listening; // the connections end with the test
    for (QPushButton *button : shown->findChildren<QPushButton *>()) {
        connect(button, &QPushButton::clicked, &listening,
                [&clicked, name = button->objectName()] { clicked.append(name); });
    }
    QWidget *target = shown->findChild<QWidget *>(focused);
    target->setFocus(Qt::TabFocusReason);

    QTest::keyClick(target, Qt::Key(key));

    QCOMPARE(clicked, pressed);
}

void TestWizard::keysMoveOnOrClose_data()
{
    QTest::addColumn<int>("window"); // a page, -1 for the About box, -2 for the help browser
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("focusedAfter"); // none: the window has closed
    QTest::addColumn<QString>("typed");        // into the focused text box

    constexpr int about = -1;
    constexpr int help = -2;
    const QString box = u"RichTextBox1"_s;
    QTest::newRow("Tab leaves the comment box")
        << int(PageId::Comment) << box << int(Qt::Key_Tab) << 0 << u"Cmdbefore"_s << QString();
    QTest::newRow("Ctrl+Tab types a tab into it") << int(PageId::Comment) << box << int(Qt::Key_Tab)
                                                  << int(Qt::ControlModifier) << box << u"\t"_s;
    QTest::newRow("Tab leaves the review box")
        << int(PageId::Review) << box << int(Qt::Key_Tab) << 0 << u"Cmdbefore"_s << QString();
    QTest::newRow("Escape closes the About box")
        << about << u"cmdOK"_s << int(Qt::Key_Escape) << 0 << QString() << QString();
    QTest::newRow("Escape closes the help browser, from its address")
        << help << u"cboAddress"_s << int(Qt::Key_Escape) << 0 << QString() << QString();
    QTest::newRow("Escape closes the help browser, from its page")
        << help << u"brwWebBrowser"_s << int(Qt::Key_Escape) << 0 << QString() << QString();
    QTest::newRow("Escape closes no wizard page")
        << int(PageId::Welcome) << u"cmdnext"_s << int(Qt::Key_Escape) << 0 << u"cmdnext"_s
        << QString();
}

void TestWizard::keysMoveOnOrClose()
{
    QFETCH(int, window);
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, focusedAfter);
    QFETCH(QString, typed);
    if (window == -1)
        m_bench->wizard.showAbout();
    if (window == -2)
        m_bench->wizard.showHelp();
    QPointer<PageWindow> shown =
        window >= 0 ? m_bench->show(PageId(window))
                    : test::WindowBench::window(window == -1 ? u"frmAbout"_s : u"frmBrowser"_s);
    QVERIFY(QTest::qWaitForWindowActive(shown));
    shown->findChild<QWidget *>(focused)->setFocus(Qt::TabFocusReason);
    auto *text = qobject_cast<QPlainTextEdit *>(QApplication::focusWidget());
    if (text)
        text->moveCursor(QTextCursor::End);
    const QString before = text ? text->toPlainText() : QString();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(shown ? QApplication::focusWidget()->objectName() : QString(), focusedAfter);
    if (text)
        QCOMPARE(text->toPlainText(), before + typed);
}

QTEST_MAIN(TestWizard)
#include "test_wizard.moc"
