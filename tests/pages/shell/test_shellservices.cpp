#include "core/qttranslations.h"
#include "core/shell/eventyield.h"
#include "core/shell/layout.h"
#include "support/windowbench.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// A window that counts how often it is asked to close.
class CountingWindow : public PageWindow
{
public:
    using PageWindow::PageWindow;
    int closeEvents = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closeEvents;
        PageWindow::closeEvent(event);
    }
};

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class CountedEvent : public QObject
{
public:
    int events = 0;

protected:
    void customEvent(QEvent *) override { ++events; }
};

} // namespace

class TestShellServices : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void titlesetGivesEveryWindowCaptionAndIcon();
    void missingIconLeavesCaptionsAndSaysWhy();
    void cancelAnsweredNoKeepsEverything();
    void cancelAnsweredYesClosesEveryWindow();
    void closingAnyWizardPageClosesAllOnce();
    void closingASideWindowClosesOnlyIt();
    void messagesAreRecordedAndAnswered();
    void enterTakesNoWhereNoIsTheDefault();
    void twipsBecomeLogicalPixels_data();
    void twipsBecomeLogicalPixels();
    void yieldRunsEventsAtMostOncePerInterval();
    void qtTranslations_data();
    void qtTranslations();

private:
    std::unique_ptr<test::WindowBench> m_bench;
};

void TestShellServices::init()
{
    m_bench = std::make_unique<test::WindowBench>();
}

void TestShellServices::cleanup()
{
    QVERIFY(test::WindowBench::closeAll());
    m_bench.reset();
}

void TestShellServices::titlesetGivesEveryWindowCaptionAndIcon()
{
    auto *page = new PageWindow(PageWindow::Kind::WizardPage);
    auto *about = new PageWindow(PageWindow::Kind::SideWindow);
    about->setWindowTitle(u"Tavrolinのバージョン情報"_s);
    page->hide();
    QCOMPARE(frmtitleset(), QString());
    for (PageWindow *window : {page, about}) {
        QCOMPARE(window->windowTitle(), u"Tavrolin"_s);
        QVERIFY(!window->windowIcon().isNull());
    }
    QCOMPARE(page->windowIcon().availableSizes().size(), 3); // 16, 32 and 48 pixels
}

void TestShellServices::missingIconLeavesCaptionsAndSaysWhy()
{
    QFile::remove(m_bench->folder.file(u"ico/sw.ico"_s));
    auto *page = new PageWindow(PageWindow::Kind::WizardPage);
    auto *other = new PageWindow(PageWindow::Kind::WizardPage);
    const QString error = frmtitleset();
    QVERIFY2(error.contains(u"sw.ico"_s), qPrintable(error));
    QCOMPARE(page->windowTitle(), u"Tavrolin"_s);
    QCOMPARE(other->windowTitle(), u"Tavrolin"_s);
    QVERIFY(page->windowIcon().isNull());
}

void TestShellServices::cancelAnsweredNoKeepsEverything()
{
    auto *page = new PageWindow(PageWindow::Kind::WizardPage);
    page->show();
    m_bench->messages.queueAnswer(AnswerNo);
    wizardcancel();
    QCOMPARE(m_bench->messages.shown().size(), 1);
    const ShownMessage &question = m_bench->messages.shown().first();
    QCOMPARE(question.text, u"ウィザードを中止しますか？"_s);
    QCOMPARE(question.title, u"Tavrolin"_s);
    QCOMPARE(question.style, 52);
    QVERIFY(page->isVisible());
    QCOMPARE(windowCollection().size(), 1);
}

void TestShellServices::cancelAnsweredYesClosesEveryWindow()
{
    QPointer<PageWindow> shown = new PageWindow(PageWindow::Kind::WizardPage);
    QPointer<PageWindow> hidden = new PageWindow(PageWindow::Kind::WizardPage);
    QPointer<PageWindow> help = new PageWindow(PageWindow::Kind::SideWindow);
    shown->show();
    help->show();
    m_bench->messages.queueAnswer(AnswerYes);
    wizardcancel();
    QVERIFY(windowCollection().isEmpty());
    processDeferredDeletes();
    QVERIFY(!shown && !hidden && !help);
}

void TestShellServices::closingAnyWizardPageClosesAllOnce()
{
    QList<QPointer<CountingWindow>> pages;
    for (int i = 0; i < 4; ++i)
        pages.append(new CountingWindow(PageWindow::Kind::WizardPage));
    auto *about = new CountingWindow(PageWindow::Kind::SideWindow);
    pages[1]->show();
    pages[1]->close(); // the close box of the page's frame
    QVERIFY(windowCollection().isEmpty());
    for (const auto &page : pages)
        QCOMPARE(page->closeEvents, 1);
    QCOMPARE(about->closeEvents, 1);
    QVERIFY(m_bench->messages.shown().isEmpty());
}

void TestShellServices::closingASideWindowClosesOnlyIt()
{
    auto *page = new PageWindow(PageWindow::Kind::WizardPage);
    auto *help = new PageWindow(PageWindow::Kind::SideWindow);
    page->show();
    help->show();
    help->close();
    QCOMPARE(windowCollection(), QList<PageWindow *>{page});
    QVERIFY(page->isVisible());
}

void TestShellServices::messagesAreRecordedAndAnswered()
{
    m_bench->messages.queueAnswer(AnswerYes);
    QCOMPARE(showMessage(u"a"_s, ExclamationQuestion), int(AnswerYes));
    QCOMPARE(showMessage(u"b"_s, YesNoQuestion), int(AnswerNo)); // nothing queued
    QCOMPARE(showMessage(u"c"_s, ExclamationWarning), int(AnswerOk));
    QCOMPARE(showMessage(u"d"_s, PlainOk, u"other"_s), int(AnswerOk));
    QCOMPARE(m_bench->messages.texts(), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
    QCOMPARE(m_bench->messages.shown().last().title, u"other"_s);
    QCOMPARE(m_bench->messages.shown()[2].style, 48);
}

// The real box of a question whose default is No, pressed Enter on as soon as it shows.
void TestShellServices::enterTakesNoWhereNoIsTheDefault()
{
    m_bench.reset(); // no scripted answers
    QTimer pressEnter;
    connect(&pressEnter, &QTimer::timeout, this, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            QTest::keyClick(box, Qt::Key_Return);
    });
    pressEnter.start(10);

    QCOMPARE(showMessage(u"?"_s, ExclamationQuestion | NoByDefault), int(AnswerNo));
}

void TestShellServices::twipsBecomeLogicalPixels_data()
{
    QTest::addColumn<int>("twipsValue");
    QTest::addColumn<int>("pixels");
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("rounds to nearest") << 22 << 1;
    QTest::newRow("rounds half up") << 23 << 2;
    QTest::newRow("grid viewport height") << 1935 << 129;
    QTest::newRow("grid content height") << 7335 << 489;
    QTest::newRow("negative offset") << -120 << -8;
    QTest::newRow("zero") << 0 << 0;
}

void TestShellServices::twipsBecomeLogicalPixels()
{
    QFETCH(int, twipsValue);
    QFETCH(int, pixels);
    QCOMPARE(twips(twipsValue), pixels);
}

void TestShellServices::yieldRunsEventsAtMostOncePerInterval()
{
    CountedEvent target;
    EventYield yield(50);
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    yield();
    QCOMPARE(target.events, 0);
    QThread::msleep(60);
    yield();
    QCOMPARE(target.events, 1);
}

// Qt's Japanese texts come from the program folder first, then from Qt's own folder; without
// them the standard buttons stay in English.
void TestShellServices::qtTranslations_data()
{
    QTest::addColumn<bool>("beside"); // a copy of the file in the program folder
    QTest::addColumn<bool>("withQt"); // Qt's own folder is searched too
    QTest::addColumn<QString>("from");

    QTest::newRow("beside the program first") << true << true << u"program"_s;
    QTest::newRow("Qt's own folder next") << false << true << u"Qt"_s;
    QTest::newRow("none: English") << false << false << QString();
}

void TestShellServices::qtTranslations()
{
    QFETCH(bool, beside);
    QFETCH(bool, withQt);
    QFETCH(QString, from);

    const QString qtFile = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + u"/qtbase_ja.qm"_s;
    if (!QFile::exists(qtFile))
        QSKIP("Qt's Japanese translations are not installed (qt6-translations-l10n)");
    const QString copy = m_bench->folder.file(u"translations/qtbase_ja.qm"_s);
    if (beside)
        QVERIFY(QDir().mkpath(m_bench->folder.file(u"translations"_s)) &&
                QFile::copy(qtFile, copy));
    QStringList folders = QtTranslations::standardFolders();
    if (!withQt)
        folders.removeLast();

    const QtTranslations translations(folders);

    const QString expected = from == u"program" ? copy : from == u"Qt" ? qtFile : QString();
    QCOMPARE(QFileInfo(translations.file()).canonicalFilePath(),
             QFileInfo(expected).canonicalFilePath());
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"),
             from.isEmpty() ? u"&Yes"_s : u"はい(&Y)"_s);
}

QTEST_MAIN(TestShellServices)
#include "test_shellservices.moc"
