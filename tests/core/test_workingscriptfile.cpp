#include "core/programfolder.h"
#include "core/workingscriptfile.h"
#include "support/testfiles.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

const QString kHold = u"--hold"_s;

// Run as `--hold PROGRAM_FOLDER USER_FOLDER`, this program is a running copy that takes its
// working script file, prints its path and holds it until its standard input ends.
int holdWorkingFile(const QStringList &arguments)
{
    setProgramFolder(arguments.value(2));
    setUserFolder(arguments.value(3));
    WorkingScriptFile file;
    QString error;
    const bool claimed = file.claim(&error);
    std::cout << (claimed ? file.path() : error).toStdString() << std::endl;
    std::string rest;
    while (std::getline(std::cin, rest)) {
    }
    return claimed ? 0 : 1;
}

} // namespace

// Every running copy of the program hands over a working script file of its own; the copies
// here are real processes.
class TestWorkingScriptFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void copiesTakeFilesOfTheirOwn();
    void fileOfACopyThatDiedIsFreeAgain();
    void unwritableProgramFolderGivesWayToUsersFolder();
    void noFolderAtAllIsSaidWhy();

private:
    QString programScr(const QString &name) const
    {
        return m_dir->filePath(u"program/scr/"_s + name);
    }
    // Starts a copy and returns the path it took.
    QString startCopy(QProcess &copy) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestWorkingScriptFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    setProgramFolder(m_dir->filePath(u"program"_s));
    setUserFolder(m_dir->filePath(u"user"_s));
}

void TestWorkingScriptFile::cleanup()
{
    setProgramFolder(QString());
    setUserFolder(QString());
    m_dir.reset();
}

QString TestWorkingScriptFile::startCopy(QProcess &copy) const
{
    copy.start(QCoreApplication::applicationFilePath(),
               {kHold, m_dir->filePath(u"program"_s), m_dir->filePath(u"user"_s)});
    if (!copy.waitForStarted(30000))
        return u"not started"_s;
    while (!copy.canReadLine()) {
        if (!copy.waitForReadyRead(30000))
            return u"nothing printed"_s;
    }
    return QDir::fromNativeSeparators(QString::fromLocal8Bit(copy.readLine()).trimmed());
}

void TestWorkingScriptFile::copiesTakeFilesOfTheirOwn()
{
    QProcess first;
    QProcess second;
    QCOMPARE(startCopy(first), programScr(u"tmp.scr"_s));
    QCOMPARE(startCopy(second), programScr(u"tmp-2.scr"_s));
    WorkingScriptFile third;
    QString error;
    QVERIFY(third.claim(&error));
    QCOMPARE(third.path(), programScr(u"tmp-3.scr"_s));
    QVERIFY(third.claim(&error)); // kept
    QCOMPARE(third.path(), programScr(u"tmp-3.scr"_s));

    first.closeWriteChannel(); // the first copy ends: its file is free for the next one
    QVERIFY(first.waitForFinished(30000));
    QProcess fourth;
    QCOMPARE(startCopy(fourth), programScr(u"tmp.scr"_s));
    second.closeWriteChannel();
    fourth.closeWriteChannel();
    QVERIFY(second.waitForFinished(30000) && fourth.waitForFinished(30000));
}

void TestWorkingScriptFile::fileOfACopyThatDiedIsFreeAgain()
{
    QProcess died;
    QCOMPARE(startCopy(died), programScr(u"tmp.scr"_s));
    died.kill();
    QVERIFY(died.waitForFinished(30000));

    WorkingScriptFile next;
    QString error;
    QVERIFY2(next.claim(&error), qPrintable(error));
    QCOMPARE(next.path(), programScr(u"tmp.scr"_s));
}

// Tests run as root in CI, where permissions stop no write: a file named "scr" blocks the folder.
void TestWorkingScriptFile::unwritableProgramFolderGivesWayToUsersFolder()
{
    test::writeBytes(m_dir->filePath(u"program/scr"_s), "in the way");
    QProcess copy;
    QCOMPARE(startCopy(copy), m_dir->filePath(u"user/scr/tmp.scr"_s));
    WorkingScriptFile second;
    QString error;
    QVERIFY(second.claim(&error));
    QCOMPARE(second.path(), m_dir->filePath(u"user/scr/tmp-2.scr"_s));
    copy.closeWriteChannel();
    QVERIFY(copy.waitForFinished(30000));
}

void TestWorkingScriptFile::noFolderAtAllIsSaidWhy()
{
    test::writeBytes(m_dir->filePath(u"program/scr"_s), "in the way");
    test::writeBytes(m_dir->filePath(u"user"_s), "in the way");
    WorkingScriptFile file;
    QString error;
    QVERIFY(!file.claim(&error));
    QVERIFY(file.path().isEmpty());
    const QString place = u"フォルダーのはずの場所がファイルです"_s;
    QVERIFY2(error.contains(QDir::toNativeSeparators(m_dir->filePath(u"program/scr"_s)) + u": "_s +
                            place) &&
                 error.contains(QDir::toNativeSeparators(m_dir->filePath(u"user/scr"_s)) + u": "_s +
                                place),
             qPrintable(error));
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (app.arguments().value(1) == kHold)
        return holdWorkingFile(app.arguments());
    TestWorkingScriptFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_workingscriptfile.moc"
