#include "core/programfolder.h"
#include "handover/x11desktop.h"
#include "support/testfiles.h"
#include "support/wizardbench.h"

#include <QComboBox>
#include <QDir>
#include <QtTest>

using namespace tavrolin;
using tavrolin::test::WizardBench;
using tavrolin::test::X11Desktop;

// The finish page's "実行" with the real keystroke sender: the page runs on the offscreen
// platform, the keystrokes go to a recording terminal titled "AutoCAD 2000" on a private Xvfb
// display, and the terminal must receive exactly the typed characters.
class TestFinishHandOver : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void run_data();
    void run();
    void cleanupTestCase() { m_desktop.reset(); }

private:
    QTemporaryDir m_folder;
    std::unique_ptr<X11Desktop> m_desktop;
    std::unique_ptr<WizardBench> m_bench;
    QString m_record;
};

void TestFinishHandOver::initTestCase()
{
    QVERIFY(m_folder.isValid());
    m_record = m_folder.filePath(QStringLiteral("autocad.bin"));
    m_desktop = std::make_unique<X11Desktop>();
    if (const auto problem = m_desktop->startServer())
        QSKIP(qPrintable(*problem));
    // The sender reads DISPLAY; the pages stay on the offscreen platform.
    qputenv("DISPLAY", m_desktop->displayName().toLocal8Bit());
    if (const auto problem = m_desktop->startWindowManager())
        QFAIL(qPrintable(*problem));
    if (const auto problem = m_desktop->startRecordingWindow(
            QStringLiteral("AutoCAD 2000"), QStringLiteral("tavrolinautocad"), m_record))
        QFAIL(qPrintable(*problem));
}

void TestFinishHandOver::init()
{
    QVERIFY(QFile(m_record).resize(0));
    m_bench = std::make_unique<WizardBench>();
}

void TestFinishHandOver::cleanup()
{
    QVERIFY(WizardBench::closeAll());
    m_bench.reset();
}

void TestFinishHandOver::run_data()
{
    QTest::addColumn<QString>("subfolder"); // of the program folder, "" for none
    QTest::addColumn<bool>("quoted");

    QTest::newRow("plain path") << QString() << false;
    QTest::newRow("path with a blank, parentheses, plus and Japanese")
        << QStringLiteral("作図 (1)+z") << true;
}

void TestFinishHandOver::run()
{
    QFETCH(QString, subfolder);
    QFETCH(bool, quoted);

    const QString folder =
        m_bench->folder.path() + (subfolder.isEmpty() ? QString() : u'/' + subfolder);
    test::writeAnsi(folder + QStringLiteral("/tavrolin.ini"),
                    QStringLiteral("[aplicationname]\r\nname=AutoCAD 2000,AutoCAD R14\r\n"));
    setProgramFolder(folder);
    m_bench->show(PageId::Finish);
    m_bench->click(PageId::Finish, "Check1");
    auto *combo = m_bench->control<QComboBox>(PageId::Finish, "Combo1");
    QTRY_VERIFY(combo->hasFocus());
    combo->setCurrentIndex(0); // "AutoCAD 2000", the first title of the settings

    m_bench->click(PageId::Finish, "cmdnext");

    QCOMPARE(m_bench->messages.texts(), QStringList());
    const QString path = folder + QStringLiteral("/scr/tmp.scr");
    const QByteArray expected =
        (QStringLiteral("_script\n") + (quoted ? u'"' + path + u'"' : path) + u'\r').toUtf8();
    QTRY_VERIFY_WITH_TIMEOUT(test::readBytes(m_record).size() >= expected.size(), 30000);
    QCOMPARE(test::readBytes(m_record), expected);
}

QTEST_MAIN(TestFinishHandOver)
#include "test_finishhandover.moc"
