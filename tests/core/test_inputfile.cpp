#include "core/inputfile.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

// Input files are read whole only when they are regular files of a bounded size; nothing else
// may block the reader or exhaust the memory.
class TestInputFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void read_data();
    void read();
    void lines_data();
    void lines();

private:
    QTemporaryDir m_dir;
};

constexpr qint64 kLimit = 16;

void TestInputFile::initTestCase()
{
    test::writeBytes(m_dir.filePath(u"small"_s), "abc");
    test::writeBytes(m_dir.filePath(u"at limit"_s), QByteArray(kLimit, 'x'));
    test::writeBytes(m_dir.filePath(u"over limit"_s), QByteArray(kLimit + 1, 'x'));
    QDir(m_dir.path()).mkdir(u"folder"_s);
    test::makeFifo(m_dir.filePath(u"fifo"_s));
}

// A path (relative to the test's folder unless absolute), and the bytes read or a part of the
// reason for refusing it.
void TestInputFile::read_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("a small file") << u"small"_s << QByteArray("abc") << QString();
    QTest::newRow("exactly the limit") << u"at limit"_s << QByteArray(kLimit, 'x') << QString();
    QTest::newRow("one byte more") << u"over limit"_s << QByteArray() << u"大きすぎます"_s;
    QTest::newRow("missing") << u"none"_s << QByteArray() << u"ファイルが見つかりません"_s;
    QTest::newRow("a folder") << u"folder"_s << QByteArray() << u"ファイルではなくフォルダーです"_s;
#ifdef Q_OS_UNIX
    QTest::newRow("a FIFO") << u"fifo"_s << QByteArray() << u"通常のファイルではありません"_s;
    QTest::newRow("an endless device")
        << u"/dev/zero"_s << QByteArray() << u"通常のファイルではありません"_s;
#endif
}

void TestInputFile::read()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);
    QByteArray read;
    QString reason;
    const bool done = readInputFile(QDir(m_dir.path()).filePath(path), &read, &reason, kLimit);
    QCOMPARE(done, refusal.isEmpty());
    QCOMPARE(read, bytes);
    QVERIFY2(refusal.isEmpty() ? reason.isEmpty() : reason.contains(refusal), qPrintable(reason));
}

void TestInputFile::lines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("LF and CR LF, no final line end")
        << QByteArray("a\r\nb\n\nc") << QStringList{u"a"_s, u"b"_s, QString(), u"c"_s};
    QTest::newRow("a lone CR stays in its line")
        << QByteArray("a\rb\r\n") << QStringList{u"a\rb"_s};
    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("UTF-8 behind a mark")
        << QByteArray("\xEF\xBB\xBF\xE5\x9B\xB3\n") << QStringList{u"図"_s};
    QTest::newRow("UTF-8 without a mark") << QByteArray("\xE5\x9B\xB3\n") << QStringList{u"図"_s};
    QTest::newRow("UTF-16 behind a mark")
        << QByteArray("\xFF\xFE\xF3\x56\r\0\n\0a\0", 10) << QStringList{u"図"_s, u"a"_s};
    QTest::newRow("UTF-16 with halves of surrogate pairs alone")
        << QByteArray("\xFF\xFE\x00\xD8x\0\n\0\x00\xDC\x3D\xD8\x00\xDE", 14)
        << QStringList{u"\uFFFDx"_s, u"\uFFFD\U0001F600"_s};
    QTest::newRow("a U+FEFF after the mark is text")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx\n") << QStringList{u"\uFEFFx"_s};
    QTest::newRow("code page 932")
        << QByteArray("ok\n\x90\x7d\x96\xca\n") << QStringList{u"ok"_s, u"図面"_s};
    QTest::newRow("not UTF-8 throughout")
        << QByteArray("\x82\xa0\n\xE5\x9B\xB3\n") << QStringList{u"あ"_s, u"蝗ｳ"_s};
}

void TestInputFile::lines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    const QString path = m_dir.filePath(u"lines.txt"_s);
    test::writeBytes(path, bytes);
    QStringList read;
    QString reason;
    QVERIFY(readTextLines(path, &read, &reason));
    QCOMPARE(read, lines);
}

QTEST_APPLESS_MAIN(TestInputFile)
#include "test_inputfile.moc"
