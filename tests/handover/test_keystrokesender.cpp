#include "platform/keystrokes/keystrokesender.h"
#include "platform/keystrokes/recordingkeystrokesender.h"

#include <QtTest>

using namespace tavrolin;

class TestKeystrokeSender : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void pagesReachTheSenderThatWasSet();
    void recordingSenderAnswersAsTold();
    void realSenderRefusesWithoutDisplay_data();
    void realSenderRefusesWithoutDisplay();
};

void TestKeystrokeSender::cleanup()
{
    setKeystrokeSender(nullptr);
}

void TestKeystrokeSender::pagesReachTheSenderThatWasSet()
{
    auto owned = std::make_unique<RecordingKeystrokeSender>();
    RecordingKeystrokeSender *recording = owned.get();
    setKeystrokeSender(std::move(owned));

    QVERIFY(keystrokeSender().sendText(QStringLiteral("AutoCAD 2000"), QStringLiteral("_script\n"),
                                       nullptr));
    QCOMPARE(recording->requests().size(), 1);
    QCOMPARE(recording->requests().first().windowTitle, QStringLiteral("AutoCAD 2000"));
    QCOMPARE(recording->requests().first().text, QStringLiteral("_script\n"));
}

void TestKeystrokeSender::recordingSenderAnswersAsTold()
{
    RecordingKeystrokeSender sender;
    QString error;
    sender.setFailure(QStringLiteral("no window"));
    QVERIFY(!sender.sendText(QStringLiteral("AutoCAD"), QStringLiteral("a"), &error));
    QCOMPARE(error, QStringLiteral("no window"));
    sender.setFailure({});
    QVERIFY(sender.sendText(QStringLiteral("AutoCAD"), QStringLiteral("b"), &error));

    QCOMPARE(sender.requests().size(), 2);
    QVERIFY(!sender.requests().at(0).delivered);
    QVERIFY(sender.requests().at(1).delivered);
    QCOMPARE(sender.requests().at(1).text, QStringLiteral("b"));
}

void TestKeystrokeSender::realSenderRefusesWithoutDisplay_data()
{
    QTest::addColumn<QByteArray>("display");

    QTest::newRow("DISPLAY not set") << QByteArray();
    QTest::newRow("no server on the display") << QByteArray(":4093");
}

// The real sender is what the pages get by default; it must fail, not crash, without X.
void TestKeystrokeSender::realSenderRefusesWithoutDisplay()
{
    QFETCH(QByteArray, display);

    const QByteArray saved = qgetenv("DISPLAY");
    const bool wasSet = qEnvironmentVariableIsSet("DISPLAY");
    if (display.isEmpty())
        qunsetenv("DISPLAY");
    else
        qputenv("DISPLAY", display);
    QString error;
    const bool sent =
        keystrokeSender().sendText(QStringLiteral("AutoCAD"), QStringLiteral("x"), &error);
    if (wasSet)
        qputenv("DISPLAY", saved);
    else
        qunsetenv("DISPLAY");

    QVERIFY(!sent);
    QCOMPARE(error, QStringLiteral("cannot open the X display"));
}

QTEST_GUILESS_MAIN(TestKeystrokeSender)
#include "test_keystrokesender.moc"
