#include "support/drawingfiles.h"
#include "support/printedtext.h"
#include "support/processes.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// A path of the build with its drive: under wine the build's paths start at the root without
// one, and the run is started in a folder of another drive.
QString withDrive(const char *path)
{
    return QFileInfo(QString::fromUtf8(path)).absoluteFilePath();
}

// Rows that switch layer L13 off, then save in place or under a running number.
const QString kSavesInPlace = u"レイヤー\tL13\t表示しない\t終了\t終了\n"
                              u"図面\tすべて\t上書き保存する\t終了\t終了\n"_s;
const QString kSavesAs = u"図面\tすべて\t名前を付けて保存する\t1～xの形式\t終了\n"_s;

// One drawing of each behaviour of the stand-in console, run together at four at a time.
const QStringList kEachBehaviour{
    u"plain.dwg"_s, u"fail.dwg"_s, u"nosave.dwg"_s, u"crash.dwg"_s, u"hang child.dwg"_s,
    u"child.dwg"_s, u"loud.dwg"_s, u"ansi.dwg"_s,   u"slow.dwg"_s,  u"locked.dwg"_s};

struct Results
{
    QHash<QString, QStringList> byName; // a drawing's file name -> its last line's fields
    int lines = 0;
};

Results readResults(const QString &path)
{
    Results results;
    for (const QByteArray &line : test::readBytes(path).split('\n')) {
        if (line.isEmpty())
            continue;
        const QStringList fields = QString::fromUtf8(line).split(u'\t');
        results.byName.insert(QFileInfo(fields.value(1)).fileName(), fields);
        ++results.lines;
    }
    return results;
}

} // namespace

// Runs `tavrolin run` with the stand-in console on drawings made by the test.
class TestRunCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void eachBehaviour_data();
    void eachBehaviour();
    void consolesRunInParallel();
    void resumesAfterInterruption();
    void retriesFailedOnly();
    void japanesePathsWithBlanks();
    void refusals_data();
    void refusals();

private:
    // Starts the run in `folder` (drawings, grid, results and logs there) with further
    // arguments, the drawings last.
    void start(QProcess &process, const QString &folder, const QStringList &arguments,
               const QStringList &drawings);
    int run(const QString &folder, const QStringList &arguments, const QStringList &drawings,
            QString *errors = nullptr);
    QString folder(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    Results m_each;
};

void TestRunCommand::initTestCase()
{
    QVERIFY(m_dir.isValid());
    for (const QString &name : {u"each"_s, u"parallel"_s, u"resume"_s, u"retry"_s})
        test::writeBytes(folder(name) + u"/grid.txt"_s, kSavesInPlace.toUtf8());
    const QStringList made = test::makeDrawings(QDir(folder(u"each"_s)), kEachBehaviour);
    test::writeBytes(folder(u"each/locked.dwl"_s), "lock");
    QString errors;
    const int status = run(folder(u"each"_s), {u"--jobs"_s, u"4"_s, u"--timeout"_s, u"5"_s},
                           made + QStringList{folder(u"each/gone.dwg"_s)}, &errors);
    QVERIFY2(status == 1, qPrintable(errors));
    m_each = readResults(folder(u"each/tavrolin-results.tsv"_s));
    QVERIFY2(errors.contains(u"ok 5 件、failed 2 件、crashed 1 件、timeout 1 件、skipped 2 件"_s),
             qPrintable(errors));
}

void TestRunCommand::start(QProcess &process, const QString &folder, const QStringList &arguments,
                           const QStringList &drawings)
{
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(TAVROLIN_PROGRAM_DIR "/tavrolin"),
                  QStringList{u"run"_s, u"--console"_s, withDrive(TAVROLIN_STANDIN_CONSOLE),
                              u"--settings"_s, withDrive(TAVROLIN_SOURCE_DIR "/data/tavrolin.ini"),
                              u"--grid"_s, folder + u"/grid.txt"_s} +
                      arguments + drawings);
}

int TestRunCommand::run(const QString &folder, const QStringList &arguments,
                        const QStringList &drawings, QString *errors)
{
    QProcess process;
    start(process, folder, arguments, drawings);
    if (!process.waitForFinished(120000))
        return -1;
    if (errors)
        *errors = test::printedText(process.readAllStandardError());
    return process.exitCode();
}

// Each row: a drawing of the run over one of each, its result, a piece of its reason and of its
// log, and whether the console started a process that must be gone.
void TestRunCommand::eachBehaviour_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("logged");
    QTest::addColumn<bool>("startedChild");
    QTest::newRow("ok") << u"plain.dwg"_s << u"ok"_s << QString()
                        << u"コマンド: .qsave \r\n保存しました: "_s << false;
    QTest::newRow("status 3") << u"fail.dwg"_s << u"failed"_s << u"終了コード 3 — 最後の出力: "_s
                              << QString() << false;
    QTest::newRow("status 0, not saved")
        << u"nosave.dwg"_s << u"failed"_s << u"保存されていません: "_s << QString() << false;
    QTest::newRow("crash") << u"crash.dwg"_s << u"crashed"_s << u"異常終了しました"_s << QString()
                           << false;
    QTest::newRow("hung, with a child") << u"hang child.dwg"_s << u"timeout"_s
                                        << u"5 秒を過ぎても終わらないので"_s << QString() << true;
    QTest::newRow("ok, leaving a child")
        << u"child.dwg"_s << u"ok"_s << QString() << QString() << true;
    QTest::newRow("much output") << u"loud.dwg"_s << u"ok"_s << QString()
                                 << u"たくさんの出力 50000 / 50000\r\n"_s << false;
    QTest::newRow("output in the ANSI code page")
        << u"ansi.dwg"_s << u"ok"_s << QString() << u"代役コンソール: 図面を開きます"_s << false;
    QTest::newRow("locked: skipped")
        << u"locked.dwg"_s << u"skipped"_s << u"locked: ロックファイル locked.dwl があります"_s
        << QString() << false;
    QTest::newRow("missing: skipped")
        << u"gone.dwg"_s << u"skipped"_s << u"missing: "_s << QString() << false;
}

void TestRunCommand::eachBehaviour()
{
    QFETCH(QString, name);
    QFETCH(QString, result);
    QFETCH(QString, reason);
    QFETCH(QString, logged);
    QFETCH(bool, startedChild);
    const QStringList fields = m_each.byName.value(name);
    QCOMPARE(fields.size(), 5);
    QCOMPARE(fields[0], result);
    QVERIFY2(reason.isEmpty() ? fields[4].isEmpty() : fields[4].startsWith(reason),
             qPrintable(fields[4]));
    if (result == u"skipped") {
        QVERIFY(fields[3].isEmpty());
        return;
    }
    // The log: the console's output decoded, as Notepad reads it, the script beside it.
    const QByteArray log = test::readBytes(fields[3]);
    QVERIFY(log.startsWith("\xef\xbb\xbf> \""));
    QVERIFY2(QString::fromUtf8(log).contains(u"\r\n代役コンソール: 図面を開きます: "_s +
                                             QDir::toNativeSeparators(folder(u"each/"_s) + name)),
             log.left(300).constData());
    QVERIFY(QString::fromUtf8(log).contains(logged));
    QVERIFY(QFile::exists(fields[3].chopped(4) + u".scr"_s));
    if (startedChild) {
        const QByteArray pid = test::readBytes(folder(u"each/"_s) + name + u".pid"_s);
        QVERIFY(!pid.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!test::processRuns(pid.toLongLong()), 10000);
    }
}

// Four drawings that each take 1.5 s: four consoles at a time end them in far less time than
// one at a time.
void TestRunCommand::consolesRunInParallel()
{
    const QDir folder(this->folder(u"parallel"_s));
    const QStringList slow = test::makeDrawings(
        folder, {u"slow1.dwg"_s, u"slow2.dwg"_s, u"slow3.dwg"_s, u"slow4.dwg"_s});
    qint64 wall[2] = {};
    for (const int jobs : {1, 4}) {
        QFile::remove(folder.filePath(u"tavrolin-results.tsv"_s));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(run(folder.path(), {u"--jobs"_s, QString::number(jobs)}, slow), 0);
        wall[jobs == 4] = clock.elapsed();
    }
    QVERIFY(wall[0] >= 6000);
    QVERIFY2(wall[1] < wall[0] * 6 / 10, qPrintable(u"%1 ms, %2 ms"_s.arg(wall[0]).arg(wall[1])));
}

// An interrupted run (Ctrl+C, or on Windows the end of the program) keeps the results of the
// drawings that ended and leaves no process behind; the next run leaves those out.
void TestRunCommand::resumesAfterInterruption()
{
    const QDir folder(this->folder(u"resume"_s));
    const QStringList drawings =
        test::makeDrawings(folder, {u"r1.dwg"_s, u"r2.dwg"_s, u"r3 hang child.dwg"_s, u"r4.dwg"_s});
    const QString results = folder.filePath(u"tavrolin-results.tsv"_s);
    const QString pidFile = drawings[2] + u".pid"_s;
    QProcess process;
    start(process, folder.path(), {u"--jobs"_s, u"1"_s}, drawings);
    QTRY_VERIFY_WITH_TIMEOUT(readResults(results).lines == 2 && QFile::exists(pidFile), 60000);
#ifdef Q_OS_WIN
    process.kill();
#else
    process.terminate();
#endif
    QVERIFY(process.waitForFinished(30000));
    QTRY_VERIFY(!test::readBytes(pidFile).isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(!test::processRuns(test::readBytes(pidFile).toLongLong()), 10000);
    QCOMPARE(readResults(results).lines, 2);

    QString errors;
    QCOMPARE(run(folder.path(), {u"--timeout"_s, u"2"_s}, drawings, &errors), 1);
    QVERIFY2(errors.contains(u"結果ファイルで ok の図面 2 件は実行しません。"_s),
             qPrintable(errors));
    const Results resumed = readResults(results);
    QCOMPARE(resumed.lines, 4);
    QCOMPARE(resumed.byName.value(u"r3 hang child.dwg"_s).value(0), u"timeout"_s);
    QCOMPARE(resumed.byName.value(u"r4.dwg"_s).value(0), u"ok"_s);
}

void TestRunCommand::retriesFailedOnly()
{
    const QDir folder(this->folder(u"retry"_s));
    const QStringList drawings =
        test::makeDrawings(folder, {u"q1.dwg"_s, u"q2 fail.dwg"_s, u"q3.dwg"_s});
    QCOMPARE(run(folder.path(), {}, drawings.first(2)), 1);
    QString errors;
    QCOMPARE(run(folder.path(), {u"--retry-failed"_s}, drawings, &errors), 1);
    QVERIFY2(errors.contains(u"結果のない図面 1 件は実行しません"_s), qPrintable(errors));
    const Results results = readResults(folder.filePath(u"tavrolin-results.tsv"_s));
    QCOMPARE(results.lines, 3);
    QCOMPARE(results.byName.value(u"q2 fail.dwg"_s).value(0), u"failed"_s);
    QVERIFY(!results.byName.contains(u"q3.dwg"_s));
}

// A drawing saved under a running number in its Japanese folder with a blank, the results and
// logs in another such folder, and the console's language.
void TestRunCommand::japanesePathsWithBlanks()
{
    const QDir folder(this->folder(u"図面 フォルダー"_s));
    test::writeBytes(folder.filePath(u"grid.txt"_s), kSavesAs.toUtf8());
    const QStringList drawings = test::makeDrawings(folder, {u"計画 1.dwg"_s});
    const QString results = folder.filePath(u"結果 一覧/結果.tsv"_s);
    QDir().mkpath(QFileInfo(results).path());
    QCOMPARE(run(folder.path(), {u"--results"_s, results, u"--language"_s, u"ja-JP"_s}, drawings),
             0);
    QVERIFY(QFile::exists(folder.filePath(u"1.dwg"_s)));
    const QStringList fields = readResults(results).byName.value(u"計画 1.dwg"_s);
    QCOMPARE(fields.value(0), u"ok"_s);
    QCOMPARE(QFileInfo(fields.value(3)).dir().dirName(), u"結果-logs"_s);
    QVERIFY(QString::fromUtf8(test::readBytes(fields.value(3))).contains(u"言語: ja-JP"_s));
}

void TestRunCommand::refusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("no console") << QStringList{u"--grid"_s, u"g.txt"_s, u"a.dwg"_s}
                                << u"--console で"_s;
    QTest::newRow("a console that is not there")
        << QStringList{u"--console"_s, u"/nowhere/accoreconsole.exe"_s, u"--grid"_s,
                       u"%1/each/grid.txt"_s, u"a.dwg"_s}
        << u"コアコンソールが見つかりません"_s;
    QTest::newRow("no consoles at a time")
        << QStringList{u"--console"_s, withDrive(TAVROLIN_STANDIN_CONSOLE),
                       u"--jobs"_s,    u"0"_s,
                       u"--grid"_s,    u"%1/each/grid.txt"_s,
                       u"a.dwg"_s}
        << u"--jobs は 1 から 64 までの数で"_s;
    QTest::newRow("no time") << QStringList{u"--console"_s, withDrive(TAVROLIN_STANDIN_CONSOLE),
                                            u"--timeout"_s, u"soon"_s,
                                            u"--grid"_s,    u"%1/each/grid.txt"_s,
                                            u"a.dwg"_s}
                             << u"--timeout は 0 より大きく"_s;
}

void TestRunCommand::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QProcess process;
    process.start(QStringLiteral(TAVROLIN_PROGRAM_DIR "/tavrolin"),
                  QStringList{u"run"_s} + arguments.replaceInStrings(u"%1"_s, m_dir.path()));
    QVERIFY(process.waitForFinished(60000));
    QVERIFY2(test::printedText(process.readAllStandardError()).contains(message),
             qPrintable(message));
    QCOMPARE(process.exitCode(), 2);
}

QTEST_GUILESS_MAIN(TestRunCommand)
#include "test_runcommand.moc"
