#include "core/filefailure.h"
#include "core/outputfile.h"
#include "support/filesizelimit.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>
#include <optional>

using namespace tavrolin;
using namespace Qt::StringLiterals;

// An output is written whole or not at all, and a device stays a device.
class TestOutputFile : public QObject
{
    Q_OBJECT

private slots:
    void write_data();
    void write();
    void symbolicLinks_data();
    void symbolicLinks();

private:
    QTemporaryDir m_dir;
};

// The target (relative to the test's folder), what it held before (nothing: it does not exist),
// whether the write succeeds, and what a regular target holds afterwards.
void TestOutputFile::write_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QByteArray>("after");
    const QByteArray old("old contents");
    const QByteArray fresh(4096, 'n');
    QTest::newRow("a new file") << u"new"_s << QByteArray() << true << fresh;
    QTest::newRow("an existing file") << u"existing"_s << old << true << fresh;
    QTest::newRow("a folder") << QString() << QByteArray() << false << QByteArray();
    QTest::newRow("a null device") << u"@null"_s << QByteArray() << true << QByteArray();
#ifdef Q_OS_UNIX
    // Windows has no device that is always full.
    QTest::newRow("a full device") << u"@full"_s << QByteArray() << false << QByteArray();
    QTest::newRow("the disk fills part-way") << u"limited"_s << old << false << old;
#endif
}

void TestOutputFile::write()
{
    QFETCH(QString, target);
    QFETCH(QByteArray, before);
    QFETCH(bool, written);
    QFETCH(QByteArray, after);
    const bool device = target.startsWith(u'@');
    const QString path =
        device ? test::testDevice(m_dir.path(),
                                  target == u"@full" ? test::Device::Full : test::Device::Null)
               : QDir(m_dir.path()).filePath(target);
    if (!before.isEmpty())
        test::writeBytes(path, before);
    QString reason;
    bool done = false;
    {
#ifdef Q_OS_UNIX
        std::optional<test::FileSizeLimit> limit;
        if (target == u"limited")
            limit.emplace(1000);
#endif
        done = writeOutputFile(path, QByteArray(4096, 'n'), &reason);
    }
    QCOMPARE(done, written);
    QCOMPARE(reason.isEmpty(), written);
    if (device)
        QVERIFY(!QFileInfo(path).isFile());
    else if (!target.isEmpty())
        QCOMPARE(test::readBytes(path), after);
    // No temporary file stays behind.
    for (const QString &name : QDir(m_dir.path()).entryList(QDir::Files))
        QVERIFY2(QStringList({u"new"_s, u"existing"_s, u"limited"_s}).contains(name),
                 qPrintable(name));
}

// A link is written through to the file it names, as a shell's redirection does; a link that
// leads round in a circle names no file: refused, and the link stays as it was.
void TestOutputFile::symbolicLinks_data()
{
    QTest::addColumn<QString>("linkTarget");
    QTest::addColumn<bool>("written");
    QTest::newRow("to a file not yet there") << u"target"_s << true;
    QTest::newRow("round in a circle") << u"link"_s << false;
    QTest::newRow("round in a circle of two") << u"other"_s << false;
}

void TestOutputFile::symbolicLinks()
{
#ifdef Q_OS_UNIX
    QFETCH(QString, linkTarget);
    QFETCH(bool, written);
    const QTemporaryDir dir;
    const QString link = dir.filePath(u"link"_s);
    QVERIFY(QFile::link(linkTarget, link));
    QVERIFY(QFile::link(u"link"_s, dir.filePath(u"other"_s)));
    QString reason;
    QCOMPARE(writeOutputFile(link, "bytes", &reason), written);
    QCOMPARE(reason, written ? QString() : fileProblemText(FileProblem::LinkLoop));
    QVERIFY(QFileInfo(link).isSymLink());
    if (written)
        QCOMPARE(test::readBytes(dir.filePath(u"target"_s)), QByteArray("bytes"));
#else
    QSKIP("Symbolic links are made by users on Unix only.");
#endif
}

QTEST_GUILESS_MAIN(TestOutputFile)
#include "test_outputfile.moc"
