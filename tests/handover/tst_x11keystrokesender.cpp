#include "platform/keystrokes/x11keystrokesender.h"
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

QByteArray recorded(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
    QTemporaryDir m_folder;
    std::unique_ptr<X11Desktop> m_desktop;
    QString m_shortRecord;
    QString m_longRecord;
};

void TestX11KeystrokeSender::initTestCase()
{
    QVERIFY(m_folder.isValid());
    m_shortRecord = m_folder.filePath(QStringLiteral("short.bin"));
    m_longRecord = m_folder.filePath(QStringLiteral("long.bin"));
    m_desktop = std::make_unique<X11Desktop>();
    if (const auto problem = m_desktop->startServer())
        QSKIP(qPrintable(*problem));
    if (const auto problem = m_desktop->startWindowManager())
        QFAIL(qPrintable(*problem));
    // The window started last has the focus, so the first hand-over has to move it.
    for (const auto &[title, instance, record] :
         {std::tuple(ShortTitle, QStringLiteral("tavrolinshort"), m_shortRecord),
          std::tuple(LongTitle, QStringLiteral("tavrolinlong"), m_longRecord)}) {
        if (const auto problem = m_desktop->startRecordingWindow(title, instance, record))
            QSKIP(qPrintable(*problem));
    }
}

// Each case starts with empty records; bytes typed late by an earlier case would show up here.
void TestX11KeystrokeSender::init()
{
    for (const QString &path : {m_shortRecord, m_longRecord})
        QVERIFY(QFile(path).resize(0));
}

void TestX11KeystrokeSender::sendText_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<Target>("target");

    QTest::newRow("exact title wins over a longer one") << ShortTitle << Target::Short;
    QTest::newRow("whole title with special characters") << LongTitle << Target::Long;
    QTest::newRow("beginning with special characters")
        << QStringLiteral("AutoCAD 2000 (1).dwg [x]+ 図") << Target::Long;
    QTest::newRow("beginning shared by both windows")
        << QStringLiteral("AutoCAD") << Target::Either;
    QTest::newRow("titles compare with case") << QStringLiteral("autocad 2000") << Target::None;
    QTest::newRow("longer than every title") << QStringLiteral("AutoCAD 2000 R15") << Target::None;
    QTest::newRow("no window has it") << QStringLiteral("AutoCAD R14") << Target::None;
    QTest::newRow("empty title") << QString() << Target::None;
}

void TestX11KeystrokeSender::sendText()
{
    QFETCH(QString, title);
    QFETCH(Target, target);

    X11KeystrokeSender sender;
    QString error;
    const bool sent = sender.sendText(title, ScriptCommand, &error);
    QCOMPARE(sent, target != Target::None);
    QCOMPARE(error.isEmpty(), sent);

    // Wait for all the bytes; a short record then shows in the comparisons below.
    const QByteArray expected = sent ? ScriptCommand.toUtf8() : QByteArray();
    const auto complete = [&] {
        return recorded(m_shortRecord).size() + recorded(m_longRecord).size() >= expected.size();
    };
    if (!QTest::qWaitFor(complete, 30000))
        qWarning("fewer bytes arrived than were typed");
    const QByteArray shortRecord = recorded(m_shortRecord);
    const QByteArray longRecord = recorded(m_longRecord);
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
    m_desktop.reset();
}

QTEST_GUILESS_MAIN(TestX11KeystrokeSender)
#include "tst_x11keystrokesender.moc"
