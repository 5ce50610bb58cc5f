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

QTEST_GUILESS_MAIN(TestOutputFile)
#include "test_outputfile.moc"
