#include "core/shell/layout.h"
#include "pages/welcome/labelreveal.h"
#include "support/wizardbench.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;
using tavrolin::test::WizardBench;

namespace {

struct RevealStep
{
    const char *label;
    int fullWidth;
    int step;
};

// The labels that the reveal widens, in order, with their full widths and steps in twips.
constexpr RevealStep kReveal[] = {{"Label1", 3660, 35},
                                  {"Label2", 4065, 35},
                                  {"Label5", 3105, 35},
                                  {"Label7", 1725, 10},
                                  {"Label8", 1620, 10}};

int ticksFor(const RevealStep &step)
{
    return (step.fullWidth + step.step - 1) / step.step;
}

} // namespace

class TestSplashfrm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startLoadsTheGridPageHidden();
    void onlyPictureInstructionsAndButtonsAreReadableAtStart();
    void labelsRevealOneAfterTheOther_data();
    void labelsRevealOneAfterTheOther();
    void revealFinishesWhileThePageIsHidden();
    void sideWindowsOpenBesideAndCloseOnTheirOwn();
    void missingPicturesNeverStopTheWindow();
    void cancelAnsweredYesClosesEveryWindow();

private:
    PageWindow *start();
    LabelReveal *timer1() const;
    QLabel *label(const char *name) const;

    std::unique_ptr<WizardBench> m_bench;
    QPointer<PageWindow> m_page;
};

void TestSplashfrm::init()
{
    m_bench = std::make_unique<WizardBench>();
    m_bench->folder.useShippedSettings();
}

void TestSplashfrm::cleanup()
{
    QVERIFY(WizardBench::closeAll());
    m_bench.reset();
}

PageWindow *TestSplashfrm::start()
{
    m_bench->wizard.start();
    m_page = m_bench->wizard.loaded(PageId::Welcome);
    return m_page;
}

LabelReveal *TestSplashfrm::timer1() const
{
    return m_page->findChild<LabelReveal *>(u"Timer1"_s);
}

QLabel *TestSplashfrm::label(const char *name) const
{
    return m_page->findChild<QLabel *>(QLatin1String(name));
}

void TestSplashfrm::startLoadsTheGridPageHidden()
{
    QVERIFY(start());
    QCOMPARE(m_page->objectName(), u"splashfrm"_s);
    QVERIFY(m_page->isVisible());
    QCOMPARE(m_page->windowTitle(), u"Tavrolin"_s);
    QVERIFY(!m_page->windowIcon().isNull());
    QTRY_VERIFY(m_bench->wizard.loaded(PageId::Grid));
    PageWindow *grid = m_bench->wizard.loaded(PageId::Grid);
    QVERIFY(!grid->isVisible());
    QVERIFY(!m_bench->wizard.loaded(PageId::Drawings));
}

void TestSplashfrm::onlyPictureInstructionsAndButtonsAreReadableAtStart()
{
    start();
    for (const RevealStep &step : kReveal)
        QCOMPARE(label(step.label)->width(), 0);
    QVERIFY(!label("Image1")->pixmap().isNull());
    for (const char *name : {"Label3", "Label4"}) {
        QVERIFY(label(name)->isVisible());
        QVERIFY(label(name)->width() > 0);
    }
    const QStringList captions{u"バージョン情報"_s, u"使用方法"_s, u"次へ＞"_s, u"キャンセル"_s};
    const char *buttons[] = {"Command1", "Command2", "cmdnext", "cmdcan"};
    for (int i = 0; i < 4; ++i) {
        auto *button = m_page->findChild<QPushButton *>(QLatin1String(buttons[i]));
        QVERIFY(button && button->isVisible());
        QCOMPARE(button->text(), captions[i]);
    }
    QVERIFY(timer1()->isActive());
    QCOMPARE(timer1()->interval(), 15);
}

void TestSplashfrm::labelsRevealOneAfterTheOther_data()
{
    QTest::addColumn<int>("order");
    for (int i = 0; i < int(std::size(kReveal)); ++i)
        QTest::newRow(kReveal[i].label) << i;
}

// Ticks the reveal by hand through the whole sequence and checks when the label of this row
// grows: right after the previous label is complete, by its step, up to its full width.
void TestSplashfrm::labelsRevealOneAfterTheOther()
{
    QFETCH(int, order);
    start();
    timer1()->stop();
    int firstTick = 0;
    for (int i = 0; i < order; ++i)
        firstTick += ticksFor(kReveal[i]);
    const RevealStep &step = kReveal[order];
    QLabel *watched = label(step.label);
    for (int tick = 0; tick < firstTick; ++tick)
        timer1()->tick();
    QCOMPARE(watched->width(), 0);
    if (order > 0)
        QVERIFY(label(kReveal[order - 1].label)->width() >= twips(kReveal[order - 1].fullWidth));
    for (int tick = 1; tick <= ticksFor(step); ++tick) {
        timer1()->tick();
        QCOMPARE(watched->width(), twips(tick * step.step));
        if (order + 1 < int(std::size(kReveal)))
            QCOMPARE(label(kReveal[order + 1].label)->width(), 0);
    }
    QVERIFY(watched->width() >= twips(step.fullWidth));
    const int done = watched->width();
    for (int tick = 0; tick < 1000 && !timer1()->isComplete(); ++tick)
        timer1()->tick();
    QVERIFY(timer1()->isComplete());
    timer1()->tick();
    QCOMPARE(watched->width(), done);
}

void TestSplashfrm::revealFinishesWhileThePageIsHidden()
{
    start();
    QTest::mouseClick(m_page->findChild<QPushButton *>(u"cmdnext"_s), Qt::LeftButton);
    PageWindow *drawings = m_bench->wizard.loaded(PageId::Drawings);
    QVERIFY(drawings && drawings->isVisible());
    QVERIFY(!m_page->isVisible());
    QVERIFY(!timer1()->isComplete());
    timer1()->setInterval(0); // the same ticks, faster
    QTRY_VERIFY(timer1()->isComplete());
    m_bench->wizard.go(drawings, PageId::Welcome);
    QVERIFY(m_page->isVisible());
    for (const RevealStep &step : kReveal)
        QVERIFY(label(step.label)->width() >= twips(step.fullWidth));
}

void TestSplashfrm::sideWindowsOpenBesideAndCloseOnTheirOwn()
{
    start();
    QTest::mouseClick(m_page->findChild<QPushButton *>(u"Command1"_s), Qt::LeftButton);
    QTest::mouseClick(m_page->findChild<QPushButton *>(u"Command2"_s), Qt::LeftButton);
    QPointer<PageWindow> about = WizardBench::window(u"frmAbout"_s);
    QPointer<PageWindow> help = WizardBench::window(u"frmBrowser"_s);
    QVERIFY(about && about->isVisible());
    QVERIFY(help && help->isVisible());
    QVERIFY(m_page->isVisible());
    about->close();
    QVERIFY(!WizardBench::window(u"frmAbout"_s));
    QVERIFY(help->isVisible());
    help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!about && !help);
    QVERIFY(m_page->isVisible());
    QTRY_COMPARE(windowCollection().size(), 2); // the welcome page and the hidden grid page
    QVERIFY(m_bench->messages.shown().isEmpty());
}

void TestSplashfrm::missingPicturesNeverStopTheWindow()
{
    QVERIFY(QFile::remove(m_bench->folder.file(u"ico/splash.bmp"_s)));
    QVERIFY(QFile::remove(m_bench->folder.file(u"ico/sw.ico"_s)));
    start();
    QVERIFY(m_page->isVisible());
    QVERIFY(m_page->windowIcon().isNull());
    QVERIFY(label("Image1")->pixmap().isNull());
    QVERIFY(timer1()->isActive());
}

void TestSplashfrm::cancelAnsweredYesClosesEveryWindow()
{
    start();
    m_bench->wizard.showAbout();
    m_bench->wizard.showHelp();
    m_bench->messages.queueAnswer(AnswerYes);
    QTest::mouseClick(m_page->findChild<QPushButton *>(u"cmdcan"_s), Qt::LeftButton);
    QCOMPARE(m_bench->messages.texts(), QStringList{u"ウィザードを中止しますか？"_s});
    QVERIFY(windowCollection().isEmpty());
}

QTEST_MAIN(TestSplashfrm)
#include "test_splashfrm.moc"
