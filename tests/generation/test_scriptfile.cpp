#include "core/ansicodec.h"
#include "generation/commentblock.h"
#include "generation/scriptfile.h"
#include "support/filesizelimit.h"
#include "support/testfiles.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

using namespace tavrolin;
using namespace Qt::StringLiterals;

class TestScriptFile : public QObject
{
    Q_OBJECT

private slots:
    void stamp_data();
    void stamp();
    void commentBlockFollowsTheTemplate_data();
    void commentBlockFollowsTheTemplate();
    void lineBreaksBecomeCrLf_data();
    void lineBreaksBecomeCrLf();
    void templateEncodings_data();
    void templateEncodings();
    void scriptFileTextFramesTheScript();
    void scriptFileBytesEndWithOneLineEnd();
    void writeReplacesAFileWhole();
    void failedWriteKeepsTheOldFile();
    void failuresAreNamed_data();
    void failuresAreNamed();
    void linesLosingCharactersAreFound();
};

void TestScriptFile::stamp_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("stamp");
    QTest::newRow("afternoon") << QDateTime(QDate(2000, 5, 6), QTime(15, 0, 16))
                               << u"2000/05/06 15:00:16"_s;
    QTest::newRow("hours without a leading zero")
        << QDateTime(QDate(2026, 12, 7), QTime(9, 5, 3)) << u"2026/12/07 9:05:03"_s;
    QTest::newRow("one second past midnight")
        << QDateTime(QDate(2026, 1, 1), QTime(0, 0, 1)) << u"2026/01/01 0:00:01"_s;
    QTest::newRow("exactly midnight: the date alone")
        << QDateTime(QDate(2026, 1, 1), QTime(0, 0)) << u"2026/01/01"_s;
    QTest::newRow("within the first second: the date alone")
        << QDateTime(QDate(2026, 1, 1), QTime(0, 0, 0, 500)) << u"2026/01/01"_s;
}

void TestScriptFile::stamp()
{
    QFETCH(QDateTime, now);
    QFETCH(QString, stamp);
    QCOMPARE(commentStamp(now), stamp);
}

void TestScriptFile::commentBlockFollowsTheTemplate_data()
{
    QTest::addColumn<QString>("templateText");
    QTest::addColumn<QString>("block");
    QTest::newRow("empty template") << QString() << u";作成日時2000/05/06 15:00:16\r"_s;
    QTest::newRow("one line with its line break")
        << u";図面一括処理\r\n"_s << u";図面一括処理\r\n;作成日時2000/05/06 15:00:16\r"_s;
    QTest::newRow("last line without a line break is glued")
        << u";図面一括処理"_s << u";図面一括処理;作成日時2000/05/06 15:00:16\r"_s;
}

void TestScriptFile::commentBlockFollowsTheTemplate()
{
    QFETCH(QString, templateText);
    QFETCH(QString, block);
    QCOMPARE(initialCommentBlock(templateText, QDateTime(QDate(2000, 5, 6), QTime(15, 0, 16))),
             block);
}

void TestScriptFile::lineBreaksBecomeCrLf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("normalised");
    QTest::newRow("CR LF stays") << u"a\r\nb"_s << u"a\r\nb"_s;
    QTest::newRow("lone CR") << u"a\rb\r"_s << u"a\r\nb\r\n"_s;
    QTest::newRow("lone LF") << u"a\nb"_s << u"a\r\nb"_s;
    QTest::newRow("LF CR is two breaks") << u"a\n\rb"_s << u"a\r\n\r\nb"_s;
    QTest::newRow("mixed") << u"\r\r\n\n"_s << u"\r\n\r\n\r\n"_s;
    QTest::newRow("none") << u"abc"_s << u"abc"_s;
}

void TestScriptFile::lineBreaksBecomeCrLf()
{
    QFETCH(QString, text);
    QFETCH(QString, normalised);
    QCOMPARE(normaliseLineBreaks(text), normalised);
}

// Without a byte-order mark the template is in code page 932; with one, in the encoding the
// mark names, and the mark is no part of the comment.
void TestScriptFile::templateEncodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    const QString comment = u"; 図面\r\n"_s;
    QTest::newRow("code page 932") << QByteArray("; \x90\x7d\x96\xca\r\n") << comment;
    QTest::newRow("UTF-8 with a mark") << "\xEF\xBB\xBF" + comment.toUtf8() << comment;
    const auto utf16 = [&](QStringConverter::Encoding encoding, QByteArrayView mark) {
        QStringEncoder encoder(encoding);
        const QByteArray text = encoder.encode(comment);
        return mark.toByteArray() + text;
    };
    QTest::newRow("UTF-16 LE with a mark")
        << utf16(QStringConverter::Utf16LE, "\xFF\xFE") << comment;
    QTest::newRow("UTF-16 BE with a mark")
        << utf16(QStringConverter::Utf16BE, "\xFE\xFF") << comment;
}

void TestScriptFile::templateEncodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"commentdata.dat"_s);
    test::writeBytes(path, bytes);
    QString read;
    QString error;
    QVERIFY(readCommentTemplate(path, &read, &error));
    QCOMPARE(read, text);
}

void TestScriptFile::scriptFileTextFramesTheScript()
{
    QCOMPARE(scriptFileText(u"\r\n.open a.dwg\r\n.qsave "_s, u";c\r\n"_s),
             u".filedia 0\r\n.open a.dwg\r\n.qsave \r\n.filedia 1 \r\n;c\r\n"_s);
    QCOMPARE(scriptFileText(QString(), QString()), u".filedia 0\r\n.filedia 1 \r\n"_s);
}

void TestScriptFile::scriptFileBytesEndWithOneLineEnd()
{
    QCOMPARE(scriptFileBytes(u".filedia 0\r\n;図"_s), QByteArray(".filedia 0\r\n;\x90\x7d\r\n"));
    QCOMPARE(scriptFileBytes(u"a\u301C"_s), QByteArray("a?\r\n"));
}

void TestScriptFile::writeReplacesAFileWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tmp.scr"_s);
    test::writeBytes(path, QByteArray(5000, 'x'));
    QString error;
    QVERIFY2(writeScriptFile(path, u".filedia 0"_s, &error), qPrintable(error));
    QCOMPARE(test::readBytes(path), QByteArray(".filedia 0\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"tmp.scr"_s});
}

void TestScriptFile::failedWriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    QString error;
    const QString path = dir.filePath(u"locked/tmp.scr"_s);
    test::writeBytes(path, "old");
    QFile::setPermissions(dir.filePath(u"locked"_s),
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(dir.filePath(u"locked/probe"_s));
    if (probe.open(QIODevice::WriteOnly))
        QSKIP("a read-only folder does not stop this user (root) from writing");
    QVERIFY(!writeScriptFile(path, u"new"_s, &error));
    QCOMPARE(test::readBytes(path), QByteArray("old"));
}

// Each failure is named in Japanese; a failed read leaves the text as it was, and a failed write
// leaves the old file as it was. The size limit cuts a write short part-way (a large script) or
// while the last bytes are committed (a small one).
void TestScriptFile::failuresAreNamed_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("path"); // in the test's folder: it holds "file" and "folder"
    QTest::addColumn<int>("scriptSize");
    QTest::addColumn<int>("sizeLimit"); // 0 for none
    QTest::addColumn<QString>("reason");

    const QString notFound = u"ファイルが見つかりません"_s;
    const QString noFolder = u"フォルダーが見つかりません"_s;
    const QString aFolder = u"ファイルではなくフォルダーです"_s;
    const QString notAFolder = u"フォルダーのはずの場所がファイルです"_s;
    const QString tooLarge = u"ファイルが大きすぎます"_s;
    QTest::newRow("read a missing file") << false << u"none.dat"_s << 0 << 0 << notFound;
    QTest::newRow("read in a missing folder") << false << u"no/c.dat"_s << 0 << 0 << noFolder;
    QTest::newRow("read a folder") << false << u"folder"_s << 0 << 0 << aFolder;
    QTest::newRow("read below a file") << false << u"file/c.dat"_s << 0 << 0 << notAFolder;
    QTest::newRow("write in a missing folder") << true << u"no/a.scr"_s << 1 << 0 << noFolder;
    QTest::newRow("write onto a folder") << true << u"folder"_s << 1 << 0 << aFolder;
    QTest::newRow("write below a file") << true << u"file/a.scr"_s << 1 << 0 << notAFolder;
    QTest::newRow("too large, small script") << true << u"file"_s << 1000 << 100 << tooLarge;
    QTest::newRow("too large, part-way") << true << u"file"_s << 100000 << 100 << tooLarge;
}

void TestScriptFile::failuresAreNamed()
{
    QFETCH(bool, write);
    QFETCH(QString, path);
    QFETCH(int, scriptSize);
    QFETCH(int, sizeLimit);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    test::writeBytes(dir.filePath(u"file"_s), "old");
    QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
    QString error;
    if (write) {
        const QString text(scriptSize, u'x');
        std::optional<test::FileSizeLimit> limit;
        if (sizeLimit > 0 && !limit.emplace(sizeLimit).isSet())
            QSKIP("the size of written files cannot be limited here");
        QVERIFY(!writeScriptFile(dir.filePath(path), text, &error));
    } else {
        QString text = u"unchanged"_s;
        QVERIFY(!readCommentTemplate(dir.filePath(path), &text, &error));
        QCOMPARE(text, u"unchanged"_s);
    }
    QCOMPARE(error, reason);
    QCOMPARE(test::readBytes(dir.filePath(u"file"_s)), QByteArray("old"));
}

void TestScriptFile::linesLosingCharactersAreFound()
{
    const QString text = u"a\r\nb\u301C\r\nc\r\n\u20AC\r\nd\u00E9"_s;
    QCOMPARE(linesLosingCharacters(text, 10).first, (QList<int>{2, 4, 5}));
    QCOMPARE(linesLosingCharacters(text, 2).first, (QList<int>{2, 4}));
    QCOMPARE(linesLosingCharacters(text, 2).count, 3);
    QCOMPARE(linesLosingCharacters(u"図面\r\n"_s, 10).count, 0);
}

QTEST_APPLESS_MAIN(TestScriptFile)
#include "test_scriptfile.moc"
