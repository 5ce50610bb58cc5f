#include "support/checkeddrawings.h"
#include "support/printedtext.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

const QString kSettings = uR"([上書き保存する]
type=qsave
[名前を付けて保存する]
type=saveas
[DXF(R12)で保存する]
type=dxf
type2=.saveas d r12
)"_s;

// Saves in place, saves as a dated name and saves a DXF, for every drawing.
const QString kGrid = u"図面\tすべて\t上書き保存する\t終了\t終了\n"
                      u"図面\tすべて\t名前を付けて保存する\t日付-1～xの形式\t終了\n"
                      u"図面\tすべて\tDXF(R12)で保存する\t終了\t終了\n"_s;

// A list with one drawing of each finding; on 31 December 2001 drawing 8 is saved as
// 011231-9.dwg, which is drawing 9.
const QStringList kEachFinding{
    u"r2000.dwg"_s,  u"gone.dwg"_s,         u"empty.dwg"_s, u"r2004.dwg"_s, u"readonly.dwg"_s,
    u"locked.dwg"_s, u"sub/../r2000.dwg"_s, u"plan.dwg"_s,  u"r12.dxf"_s,   u"011231-9.dwg"_s};

const QString kAnswered = u"がすでにあります。AutoCAD が上書きを確かめ、スクリプトの次の行がそれに"
                          u"答えてしまいます"_s;

// Each finding's line, "%1" standing for the drawings' folder.
const QString kMissing =
    u"missing\t%1/gone.dwg\t図面ファイルを読めません: ファイルが見つかりません\n"_s;
const QString kNotDrawing =
    u"not-drawing\t%1/empty.dwg\tDWG・DXF図面ではありません: ファイルが空です\n"_s;
const QString kTooNew = u"too-new\t%1/r2004.dwg\tAutoCAD 2004～2006 形式（AC1018）の図面です。"
                        u"AutoCAD 2002 では開けません\n"_s;
const QString kReadOnly =
    u"read-only\t%1/readonly.dwg\t読み取り専用のため、上書き保存できません\n"_s;
const QString kLocked = u"locked\t%1/locked.dwg\tロックファイル LOCKED.DWL があります。図面がほかで"
                        u"開かれているか、AutoCAD が異常終了しています\n"_s;
const QString kDuplicate = u"duplicate\t%1/sub/../r2000.dwg\tリストの 1 番目と同じ図面です\n"_s;
const QString kTargetExists =
    u"target-exists\t%1/plan.dwg\tDXF で保存する先 plan.dxf "_s + kAnswered +
    u"\ntarget-exists\t%1/r12.dxf\t名前を付けて保存する先 011231-9.dwg "_s + kAnswered + u'\n';
const QString kTargetInList =
    u"target-in-list\t%1/r12.dxf\t名前を付けて保存すると、リストの 10 番目"
    u"の図面 011231-9.dwg を上書きします\n"_s;

} // namespace

// Runs the built program's headless "preflight" command on drawings made by the test.
class TestPreflightCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void statusAndOutput_data();
    void statusAndOutput();

private:
    QTemporaryDir m_dir;
};

void TestPreflightCommand::initTestCase()
{
    const QDir folder(m_dir.path());
    test::makeCheckedDrawings(folder);
    QVERIFY(QFile::copy(folder.filePath(u"r2000.dwg"_s), folder.filePath(u"011231-9.dwg"_s)));
    test::writeAnsi(folder.filePath(u"tavrolin.ini"_s), kSettings);
    test::writeBytes(folder.filePath(u"grid.txt"_s), kGrid.toUtf8());
    QByteArray list;
    for (const QString &name : kEachFinding)
        list += folder.filePath(name).toUtf8() + '\n';
    test::writeBytes(folder.filePath(u"each.txt"_s), list);
}

// Each row: the arguments after "preflight" ("%1" is the drawings' folder), the exit status, what
// standard output holds (all of it, or a piece of it when `whole` is false) and what standard
// error holds.
void TestPreflightCommand::statusAndOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<QString>("err");
    const QStringList withGrid{u"--settings"_s,  u"%1/tavrolin.ini"_s, u"--grid"_s,
                               u"%1/grid.txt"_s, u"--now"_s,           u"2001-12-31 15:00:16"_s};
    const QStringList each{u"--drawings"_s, u"%1/each.txt"_s};
    QTest::newRow("one drawing of each finding, in list order")
        << withGrid + each + QStringList{u"--release"_s, u"2002"_s} << 1
        << kMissing + kNotDrawing + kTooNew + kReadOnly + kLocked + kDuplicate + kTargetExists +
               kTargetInList
        << true << QString();
    QTest::newRow("without grid and release, what needs neither")
        << each << 1 << kMissing + kNotDrawing + kLocked + kDuplicate << true << QString();
    QTest::newRow("a clean list") << withGrid + QStringList{u"--release"_s, u"2018"_s,
                                                            u"%1/r2000.dwg"_s, u"%1/r2007.dxf"_s}
                                  << 0 << QString() << true << QString();
    QTest::newRow("a release of no year")
        << QStringList{u"--release"_s, u"15"_s, u"a.dwg"_s} << 2 << QString() << true
        << u"--release は 12, 13, 14 か 2000 以降の年で指定し"
           u"てください: 15\n"_s;
    QTest::newRow("a path a drop refuses")
        << QStringList{u"a.dwg"_s, u"readme.txt"_s} << 2 << QString() << true
        << u"これはDwg・DXFファイルでは有りません: readme.txt\n"_s;
    QTest::newRow("the help documents the codes")
        << QStringList{u"--help"_s} << 0 << u"target-in-list  名前を付けて保存する段"_s << false
        << QString();
}

void TestPreflightCommand::statusAndOutput()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(bool, whole);
    QFETCH(QString, err);
    arguments.replaceInStrings(u"%1"_s, m_dir.path());
    out.replace(u"%1"_s, m_dir.path());
    QProcess process;
    process.start(QStringLiteral(TAVROLIN_PROGRAM_DIR "/tavrolin"),
                  QStringList{u"preflight"_s} + arguments);
    QVERIFY(process.waitForFinished(60000));
    const QString printed = test::printedText(process.readAllStandardOutput());
    if (whole)
        QCOMPARE(printed, out);
    else
        QVERIFY2(printed.contains(out), qPrintable(printed));
    QCOMPARE(test::printedText(process.readAllStandardError()), err);
    QCOMPARE(process.exitCode(), status);
}

QTEST_GUILESS_MAIN(TestPreflightCommand)
#include "test_preflightcommand.moc"
