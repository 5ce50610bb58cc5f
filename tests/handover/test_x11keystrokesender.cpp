#include "platform/keystrokes/x11keystrokesender.h"
#include "support/testfiles.h"
#include "x11desktop.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tavrolin;
using tavrolin::test::X11Desktop;

namespace {

// Two windows whose titles share a beginning; the second one's title is full of characters that
// are special in regular expressions.
const QString ShortTitle = QStringLiteral("AutoCAD 2000");
const QString LongTitle = QStringLiteral("AutoCAD 2000 (1).dwg [x]+ 図面");

// What the finish page types: the script command, a line feed, a path with blanks, parentheses,
// a plus sign, backslashes, accented and Japanese characters, and a carriage return.
const QString ScriptCommand = QStringLiteral("_script\n/tmp/some dir (x)+y\\café\\ｽｸﾘﾌﾟﾄ図面/scr/"
                                             "tmp.scr\r");

enum class Target { Short, Long, Either, None };

} // namespace

Q_DECLARE_METATYPE(Target)

class TestX11KeystrokeSender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void sendText_data();
    void sendText();
    void cleanupTestCase();

private:
    // Two private displays with the same two recording windows: one with a window manager that
    // activates windows on request, one without any, where the sender focuses the window itself.
    struct Desktop
    {
        std::unique_ptr<X11Desktop> x11;
        QString shortRecord;
        QString longRecord;
    };

    QTemporaryDir m_folder;
    Desktop m_managed;
    Desktop m_bare;
};

void TestX11KeystrokeSender::initTestCase()
{
    QVERIFY(m_folder.isValid());
    for (const bool managed : {false, true}) {
        Desktop &desktop = managed ? m_managed : m_bare;
        const QString name = managed ? QStringLiteral("managed") : QStringLiteral("bare");
        desktop.shortRecord = m_folder.filePath(name + QStringLiteral("-short.bin"));
        desktop.longRecord = m_folder.filePath(name + QStringLiteral("-long.bin"));
        desktop.x11 = std::make_unique<X11Desktop>();
        if (const auto problem = desktop.x11->startServer())
            QSKIP(qPrintable(*problem));
        if (const auto problem = managed ? desktop.x11->startWindowManager() : std::nullopt)
            QFAIL(qPrintable(*problem));
        // The window started last has the focus, so the first hand-over has to move it.
        for (const auto &[title, instance, record] :
             {std::tuple(ShortTitle, QStringLiteral("tavrolinshort"), desktop.shortRecord),
              std::tuple(LongTitle, QStringLiteral("tavrolinlong"), desktop.longRecord)}) {
            if (const auto problem = desktop.x11->startRecordingWindow(title, instance, record))
                QSKIP(qPrintable(*problem));
        }
    }
}

// Each case starts with empty records; bytes typed late by an earlier case would show up here.
void TestX11KeystrokeSender::init()
{
    for (const Desktop *desktop : {&m_managed, &m_bare}) {
        QVERIFY(QFile(desktop->shortRecord).resize(0));
        QVERIFY(QFile(desktop->longRecord).resize(0));
    }
}

void TestX11KeystrokeSender::sendText_data()
{
    QTest::addColumn<bool>("managed");
    QTest::addColumn<QString>("title");
    QTest::addColumn<Target>("target");

    QTest::newRow("exact title wins over a longer one") << true << ShortTitle << Target::Short;
    QTest::newRow("whole title with special characters") << true << LongTitle << Target::Long;
    QTest::newRow("beginning with special characters")
        << true << QStringLiteral("AutoCAD 2000 (1).dwg [x]+ 図") << Target::Long;
    QTest::newRow("beginning shared by both windows")
        << true << QStringLiteral("AutoCAD") << Target::Either;
    QTest::newRow("titles compare with case")
        << true << QStringLiteral("autocad 2000") << Target::None;
    QTest::newRow("longer than every title")
        << true << QStringLiteral("AutoCAD 2000 R15") << Target::None;
    QTest::newRow("no window has it") << true << QStringLiteral("AutoCAD R14") << Target::None;
    QTest::newRow("empty title") << true << QString() << Target::None;
    QTest::newRow("no window manager, exact title") << false << ShortTitle << Target::Short;
    QTest::newRow("no window manager, beginning")
        << false << QStringLiteral("AutoCAD 2000 (") << Target::Long;
}

void TestX11KeystrokeSender::sendText()
{
    QFETCH(bool, managed);
    QFETCH(QString, title);
    QFETCH(Target, target);

    const Desktop &desktop = managed ? m_managed : m_bare;
    qputenv("DISPLAY", desktop.x11->displayName().toLocal8Bit());
    X11KeystrokeSender sender;
    QString error;
    const bool sent = sender.sendText(title, ScriptCommand, &error);
    QCOMPARE(sent, target != Target::None);
    QCOMPARE(error.isEmpty(), sent);

    // Wait for all the bytes; a short record then shows in the comparisons below.
    const QByteArray expected = sent ? ScriptCommand.toUtf8() : QByteArray();
    const auto complete = [&] {
        return test::readBytes(desktop.shortRecord).size() +
                   test::readBytes(desktop.longRecord).size() >=
               expected.size();
    };
    if (!QTest::qWaitFor(complete, 30000))
        qWarning("fewer bytes arrived than were typed");
    const QByteArray shortRecord = test::readBytes(desktop.shortRecord);
    const QByteArray longRecord = test::readBytes(desktop.longRecord);
    switch (target) {
    case Target::Short:
        QCOMPARE(shortRecord, expected);
        QCOMPARE(longRecord, QByteArray());
        break;
    case Target::Long:
        QCOMPARE(shortRecord, QByteArray());
        QCOMPARE(longRecord, expected);
        break;
    case Target::Either:
        QCOMPARE(shortRecord + longRecord, expected);
        QVERIFY(shortRecord.isEmpty() || longRecord.isEmpty());
        break;
    case Target::None:
        QCOMPARE(shortRecord + longRecord, QByteArray());
        break;
    }
}

// Stops the terminals, the window manager and Xvfb, also after a failed case.
void TestX11KeystrokeSender::cleanupTestCase()
{
    m_managed.x11.reset();
    m_bare.x11.reset();
}

QTEST_GUILESS_MAIN(TestX11KeystrokeSender)
#include "test_x11keystrokesender.moc"
