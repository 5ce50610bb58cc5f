#include "support/wizardbench.h"

#include <QTest>

using namespace tavrolin;

class TestWizard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startShowsTheStartPage();
    void pagesLoadOnceAndOpenWhereThePreviousStood();
    void sideWindowsOpenOnceBesideTheWizard();

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

QTEST_MAIN(TestWizard)
#include "test_wizard.moc"
