#include "core/shell/messagebox.h"
#include "core/shell/pagewindow.h"
#include "core/shell/shellservices.h"
#include "pages/wizard/wizard.h"
#include "support/testprogramfolder.h"

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
    std::unique_ptr<test::TestProgramFolder> m_folder;
    std::unique_ptr<ScriptedMessages> m_messages;
    std::unique_ptr<Wizard> m_wizard;
};

void TestWizard::init()
{
    m_folder = std::make_unique<test::TestProgramFolder>();
    m_folder->useShippedSettings();
    m_messages = std::make_unique<ScriptedMessages>();
    m_wizard = std::make_unique<Wizard>();
}

void TestWizard::cleanup()
{
    frmallunload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(windowCollection().isEmpty());
    m_wizard.reset();
    m_messages.reset();
    m_folder.reset();
}

void TestWizard::startShowsTheStartPage()
{
    m_wizard->start();
    PageWindow *start = m_wizard->loaded(Wizard::kStartPage);
    QVERIFY(start);
    QVERIFY(start->isVisible());
    QCOMPARE(start->windowTitle(), QStringLiteral("Tavrolin"));
}

void TestWizard::pagesLoadOnceAndOpenWhereThePreviousStood()
{
    QWidget *drawings = m_wizard->load(PageId::Drawings);
    QCOMPARE(m_wizard->load(PageId::Drawings), drawings);
    drawings->move(140, 90);
    drawings->show();
    m_wizard->go(drawings, PageId::Comment);
    QWidget *comment = m_wizard->loaded(PageId::Comment);
    QVERIFY(comment);
    QVERIFY(!drawings->isVisible());
    QVERIFY(comment->isVisible());
    QCOMPARE(comment->pos(), QPoint(140, 90));
    m_wizard->go(comment, PageId::Drawings);
    QCOMPARE(m_wizard->loaded(PageId::Drawings), drawings);
    QVERIFY(drawings->isVisible());
}

void TestWizard::sideWindowsOpenOnceBesideTheWizard()
{
    m_wizard->start();
    m_wizard->showAbout();
    m_wizard->showHelp();
    m_wizard->showAbout();
    int side = 0;
    for (PageWindow *window : windowCollection())
        side += window->kind() == PageWindow::Kind::SideWindow;
    QCOMPARE(side, 2);
    QVERIFY(m_wizard->loaded(Wizard::kStartPage)->isVisible());
}

QTEST_MAIN(TestWizard)
#include "test_wizard.moc"
