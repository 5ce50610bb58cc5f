#include "core/ansicodec.h"
#include "core/filefailure.h"
#include "support/printedtext.h"
#include "support/testfiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

// Runs the built program's headless "check" command: its exit status and what it prints.
class TestCheckCommand : public QObject
{
    Q_OBJECT

private slots:
    void statusAndOutput_data();
    void statusAndOutput();
};

// Each row: the arguments after "check" (%1 stands for the test's folder), the exit status, and
// the lines printed on standard output, then on standard error.
void TestCheckCommand::statusAndOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    QTest::newRow("the program folder's settings file")
        << QStringList() << 0 << u"問題は見つかりませんでした\n"_s << QString();
    QTest::newRow("a file with problems")
        << QStringList{u"%1/broken.ini"_s} << 1
        << u"2行目 [shugo] name: 主語の種類「設備」のセクションがありません。この主語の種類では"
           u" 2 欄目と 3 欄目の一覧が空になります。\n"
           u"5行目 [AplicationName]: 同じ名前のセクションが 3 行目にあります。後の方は読まれ"
           u"ません。\n"_s
        << QString();
    QTest::newRow("UTF-8 without a byte-order mark is no problem")
        << QStringList{u"%1/notepad.ini"_s} << 0
        << u"ファイルは UTF-8（BOM なし）で保存されています。UTF-8 として読みます。\n"
           u"問題は見つかりませんでした\n"_s
        << QString();
    QTest::newRow("a missing file") << QStringList{u"%1/none.ini"_s} << 2 << QString()
                                    << u"設定ファイルを読めません: %1/none.ini: "_s +
                                           fileProblemText(FileProblem::NotFound) + u'\n';
    QTest::newRow("a folder") << QStringList{u"%1"_s} << 2 << QString()
                              << u"設定ファイルを読めません: %1: "_s +
                                     fileProblemText(FileProblem::IsAFolder) + u'\n';
    QTest::newRow("two files") << QStringList{u"a.ini"_s, u"b.ini"_s} << 2 << QString()
                               << u"%2 check: 設定ファイルは 1 つだけ指定してください\n"
                                  u"使い方: %2 check [オプション] [設定ファイル]\n"_s;
}

void TestCheckCommand::statusAndOutput()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QTemporaryDir dir;
    test::writeAnsi(dir.filePath(u"broken.ini"_s),
                    u"[shugo]\nname=設備\n[aplicationname]\nname=AutoCAD\n[AplicationName]\n"_s);
    test::writeBytes(
        dir.filePath(u"notepad.ini"_s), // the shipped file, saved by Notepad
        ansi::decode(test::readBytes(TAVROLIN_PROGRAM_DIR "/tavrolin.ini"_L1)).toUtf8());
    for (QString &argument : arguments)
        argument.replace(u"%1"_s, dir.path());
    QProcess process;
    process.start(QStringLiteral(TAVROLIN_PROGRAM_DIR "/tavrolin"),
                  QStringList{u"check"_s} + arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(test::printedText(process.readAllStandardOutput()), out);
    QCOMPARE(test::printedText(process.readAllStandardError()),
             QDir::toNativeSeparators(err.replace(u"%1"_s, dir.path()))
                 .replace(u"%2"_s, test::programFileName()));
    QCOMPARE(process.exitCode(), status);
}

QTEST_GUILESS_MAIN(TestCheckCommand)
#include "test_checkcommand.moc"
