#include "core/programfolder.h"
#include "core/workingscriptfile.h"
#include "support/testfiles.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <iostream>
#include <memory>
#include <string>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

const QString kHold = u"--hold"_s;

// Run as `--hold PROGRAM_FOLDER USER_FOLDER`, this program is a running copy: it takes its
// working script file, prints its path and holds it until its standard input ends.
int holdWorkingFile(const QStringList &arguments)
{
    setProgramFolder(arguments.value(2));
    setUserFolder(arguments.value(3));
    WorkingScriptFile file;
    QString error;
    std::cout << (file.claim(&error) ? file.path() : error).toStdString() << std::endl;
    for (std::string line; std::getline(std::cin, line);) {
    }
    return 0;
}

} // namespace

// Every running copy of the program hands over a working script file of its own; the copies
// here are real processes.
class TestWorkingScriptFile : public QObject
{
    Q_OBJECT

private slots:
    void copiesTakeFilesOfTheirOwn();

private:
    QString file(const QString &name) const { return m_dir.filePath(name); }
    // Starts a copy with that program folder; returns the path it took.
    QString start(QProcess &copy, const QString &program) const;

    QTemporaryDir m_dir;
};

QString TestWorkingScriptFile::start(QProcess &copy, const QString &program) const
{
    copy.start(QCoreApplication::applicationFilePath(), {kHold, file(program), file(u"user"_s)});
    while (!copy.canReadLine() && copy.waitForReadyRead(30000)) {
    }
    return QDir::fromNativeSeparators(QString::fromLocal8Bit(copy.readLine()).trimmed());
}

void TestWorkingScriptFile::copiesTakeFilesOfTheirOwn()
{
    QProcess first, second, third, fourth, fifth;
    QCOMPARE(start(first, u"program"_s), file(u"program/scr/tmp.scr"_s));
    QCOMPARE(start(second, u"program"_s), file(u"program/scr/tmp-2.scr"_s));
    setProgramFolder(file(u"program"_s));
    WorkingScriptFile here;
    QString error;
    QVERIFY(here.claim(&error) && here.claim(&error)); // taken once, then kept
    QCOMPARE(here.path(), file(u"program/scr/tmp-3.scr"_s));
    setProgramFolder(QString());

    // A copy that ends frees its file, and so does one that dies.
    first.closeWriteChannel();
    second.kill();
    QVERIFY(first.waitForFinished(30000) && second.waitForFinished(30000));
    QCOMPARE(start(third, u"program"_s), file(u"program/scr/tmp.scr"_s));
    QCOMPARE(start(fourth, u"program"_s), file(u"program/scr/tmp-2.scr"_s));

    // Tests run as root, where permissions stop no write: a file named scr blocks the folder.
    test::writeBytes(file(u"other/scr"_s), "in the way");
    QCOMPARE(start(fifth, u"other"_s), file(u"user/scr/tmp.scr"_s));
    for (QProcess *copy : {&third, &fourth, &fifth}) {
        copy->closeWriteChannel();
        QVERIFY(copy->waitForFinished(30000));
    }
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
