#include "support/wizardbench.h"

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

QTEST_MAIN(TestWizard)
#include "test_wizard.moc"
