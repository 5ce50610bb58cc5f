#include "core/ansicodec.h"
#include "core/drawingpath.h"
#include "support/testfiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

const QString kSettings = uR"([shugo]
name=レイヤー,図面
[レイヤー]
type=L13,壁
name=表示しない,色を変える
[図面]
type=すべて
name=名前を付けて保存する,DXF(R12)で保存する
[表示しない]
name=終了
type=off
[色を変える]
name=1,緑
type=c
[名前を付けて保存する]
name=日付-1～xの形式
type=saveas
[DXF(R12)で保存する]
name=終了
type=dxf
type2="_.dxfout  v r12"
)"_s;

struct Run
{
    int status = -1;
    QByteArray out;
    QString err;
};

} // namespace

// Runs the built program's headless "script" command on files written by the test and compares
// what it writes, byte for byte.
class TestScriptCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void writesTheScriptFileBytes_data();
    void writesTheScriptFileBytes();
    void writesToAFile();
    void gridsAndTheirWarnings_data();
    void gridsAndTheirWarnings();
    void refusals_data();
    void refusals();
    void tooManyDrawingsAreRefused();
    void missingDefaultTemplateIsWarnedOf();
    void unwritableOutputIsReported();
    void helpAndVersion_data();
    void helpAndVersion();
    void unknownCommandGetsTheUsage();
    void unwritableStandardOutputIsReported();

private:
    Run run(const QStringList &arguments,
            const QString &program = QStringLiteral(TAVROLIN_PROGRAM_DIR "/tavrolin")) const;
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QString shown(const QString &name) const { return QDir::toNativeSeparators(file(name)); }
    QStringList standardOptions() const;

    QTemporaryDir m_dir;
};

void TestScriptCommand::initTestCase()
{
    test::writeAnsi(file(u"tavrolin.ini"_s), kSettings);
    test::writeAnsi(file(u"commentdata.dat"_s), u";図面の一括処理\r\n"_s);
    test::writeBytes(file(u"grid.txt"_s),
                     u"レイヤー\tL13\t表示しない\t終了\t終了\n"
                     u"レイヤー\t壁\t色を変える\t1\t終了\n"
                     u"図面\tすべて\t名前を付けて保存する\t日付-1～xの形式\t終了\n"
                     u"図面\tすべて\tDXF(R12)で保存する\t終了\t終了\n"_s.toUtf8());
    test::writeBytes(file(u"drawings.txt"_s),
                     u"\nC:\\My Drawings\\二階.dwg\r\n\r\nD:\\plan\\c.DXF\n"_s.toUtf8());
    // The same files as Notepad saves them (UTF-8 without a byte-order mark) and as a command
    // prompt writes them (the ANSI code page).
    test::writeBytes(file(u"notepad.ini"_s), kSettings.toUtf8());
    test::writeBytes(file(u"notepad.dat"_s), u";図面の一括処理\r\n"_s.toUtf8());
    for (const QString &name : {u"grid.txt"_s, u"drawings.txt"_s})
        test::writeAnsi(file(u"ansi "_s + name), QString::fromUtf8(test::readBytes(file(name))));
    test::makeFifo(file(u"fifo"_s));
    QByteArray drawings;
    for (int i = 0; i < 300; ++i)
        drawings += "C:/d/" + QByteArray::number(i) + ".dwg\n";
    test::writeBytes(file(u"300 drawings.txt"_s), drawings);
    test::writeBytes(file(u"huge cell.txt"_s), u"レイヤー\t"_s.toUtf8() + QByteArray(1 << 20, 'x') +
                                                   u"\t表示しない\t終了\t終了\n"_s.toUtf8());
}

Run TestScriptCommand::run(const QStringList &arguments, const QString &program) const
{
    QProcess process;
    process.start(program, QStringList{u"script"_s} + arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QStringList TestScriptCommand::standardOptions() const
{
    return {u"--settings"_s, file(u"tavrolin.ini"_s), u"--comment"_s, file(u"commentdata.dat"_s),
            u"--grid"_s,     file(u"grid.txt"_s),     u"--now"_s,     u"2001-12-31 15:00:16"_s};
}

// Each row: the settings file, comment template, grid file and drawing list.
void TestScriptCommand::writesTheScriptFileBytes_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::newRow("as the program writes them")
        << QStringList{u"tavrolin.ini"_s, u"commentdata.dat"_s, u"grid.txt"_s, u"drawings.txt"_s};
    QTest::newRow("as Windows writes them") << QStringList{
        u"notepad.ini"_s, u"notepad.dat"_s, u"ansi grid.txt"_s, u"ansi drawings.txt"_s};
}

void TestScriptCommand::writesTheScriptFileBytes()
{
    QFETCH(QStringList, files);
    const Run result =
        run(standardOptions() + QStringList{u"--settings"_s, file(files[0]), u"--comment"_s,
                                            file(files[1]), u"--grid"_s, file(files[2]),
                                            u"--drawings"_s, file(files[3]), u"C:\\a\\p1.dwg"_s});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.status, 0);
    const QString expected = uR"(.filedia 0
.open C:\a\p1.dwg
-layer of L13 
-layer c 1 壁 
.saveas  C:\a\011231-1.dwg
_.dxfout  v r12  
.open "C:\My Drawings\二階.dwg"
-layer of L13 
-layer c 1 壁 
.saveas  "C:\My Drawings\011231-2.dwg"
_.dxfout  v r12  
.open D:\plan\c.DXF
-layer of L13 
-layer c 1 壁 
.saveas  D:\plan\011231-3.dwg
_.dxfout  v r12  
.filedia 1 
;図面の一括処理
;作成日時2001/12/31 15:00:16

)"_s;
    QCOMPARE(result.out, ansi::encode(QString(expected).replace(u"\n"_s, u"\r\n"_s)));
}

void TestScriptCommand::writesToAFile()
{
    const QString output = file(u"out.scr"_s);
    test::writeBytes(output, QByteArray(10000, 'x'));
    const Run toFile = run(standardOptions() + QStringList{u"-o"_s, output, u"a.dwg"_s});
    QCOMPARE(toFile.status, 0);
    QVERIFY(toFile.out.isEmpty());
    const Run toStdout = run(standardOptions() + QStringList{u"a.dwg"_s});
    QCOMPARE(test::readBytes(output), toStdout.out);
}

// Each row: the grid file, a drawing, the lines of its block after the open line, and what
// standard error must hold. The warnings leave the script as it is; with --strict they refuse it.
void TestScriptCommand::gridsAndTheirWarnings_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("drawing");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("warnings");
    const QString off = u"レイヤー\tL13\t表示しない\t終了\t終了\n"_s;
    QTest::newRow("a row without action ends the script")
        << off + u"レイヤー\t壁\t色を変える\n"_s << u"a.dwg"_s << QStringList{u"-layer of L13 "_s}
        << QStringList{u"2段目から下は使われません。"_s};
    QTest::newRow("a line ending at 終了 ended its row")
        << u"レイヤー\tL13\t表示しない\t終了\n"_s << u"a.dwg"_s << QStringList{u"-layer of L13 "_s}
        << QStringList();
    QTest::newRow("a keyword without line form adds no line")
        << u"レイヤー\tL13\t未定義\t終了\t終了\n"_s + off << u"a.dwg"_s
        << QStringList{u"-layer of L13 "_s} << QStringList{u"1段目 目的の種類: 未定義"_s};
    QTest::newRow("a comma stays in its cell")
        << u"レイヤー\tL13,X\t色を変える\t緑\t終了\n"_s << u"a.dwg"_s
        << QStringList{u"-layer c 緑 L13,X "_s}
        << QStringList{u"一覧にありません。\n1段目 主語の名前: L13,X"_s};
    QTest::newRow("a typed blank")
        << u"レイヤー\tL13  _.erase all\t表示しない\t終了\t終了\n"_s << u"a.dwg"_s
        << QStringList{u"-layer of L13  _.erase all "_s}
        << QStringList{u"1段目 主語の名前: L13  _.erase all"_s, u"空白が Enter になり"_s};
    QTest::newRow("a character outside the code page")
        << off << u"C:\\café.dwg"_s << QStringList{u"-layer of L13 "_s}
        << QStringList{u"'?'になります。\n\n2行目: .open C:\\caf"_s};
}

void TestScriptCommand::gridsAndTheirWarnings()
{
    QFETCH(QString, grid);
    QFETCH(QString, drawing);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, warnings);
    test::writeBytes(file(u"rows.txt"_s), grid.toUtf8());
    const QStringList arguments =
        standardOptions() + QStringList{u"--grid"_s, file(u"rows.txt"_s), drawing};

    const Run result = run(arguments);
    QCOMPARE(result.status, 0);
    const QString script = ansi::decode(result.out);
    const QString block =
        openCommand(drawing) + u"\r\n"_s + lines.join(u"\r\n"_s) + u"\r\n.filedia 1 \r\n"_s;
    QVERIFY2(script.contains(ansi::decode(ansi::encode(block))), qPrintable(script));
    // As a person reads them in the console: without CR, as far as the system's 8-bit code page
    // holds the warnings' characters.
    const QString err = QString(result.err).remove(u'\r');
    for (const QString &warning : warnings)
        QVERIFY2(err.contains(QString::fromLocal8Bit(warning.toLocal8Bit())), qPrintable(err));
    if (warnings.isEmpty())
        QCOMPARE(result.err, QString());

    const Run strict = run(arguments + QStringList{u"--strict"_s});
    QCOMPARE(strict.status, warnings.isEmpty() ? 0 : 2);
    QCOMPARE(strict.out.isEmpty(), !warnings.isEmpty());
}

// Each refusal: the arguments after the standard options (or instead of them), and a text the
// message must hold. Nothing is written and the exit status is 2.
void TestScriptCommand::refusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("withStandardOptions");
    QTest::addColumn<QString>("message");
    QTest::newRow("not a drawing")
        << QStringList{u"a.dwg"_s, u"C:\\dwg\\readme.txt"_s} << true
        << u"これはDwg・DXFファイルでは有りません: C:\\dwg\\readme.txt"_s;
    QTest::newRow("no drawings") << QStringList{} << true << u"ファイルが選択されてません"_s;
    QTest::newRow("row 0 without a subject type")
        << QStringList{u"--grid"_s, file(u"emptyrow.txt"_s), u"a.dwg"_s} << true
        << u"処理が記述されていません"_s;
    QTest::newRow("thirteen grid rows")
        << QStringList{u"--grid"_s, file(u"long.txt"_s), u"a.dwg"_s} << true << u"12"_s;
    QTest::newRow("six cells in a row")
        << QStringList{u"--grid"_s, file(u"wide.txt"_s), u"a.dwg"_s} << true << u"2"_s;
    QTest::newRow("missing grid file")
        << QStringList{u"--grid"_s, file(u"none.txt"_s), u"a.dwg"_s} << true
        << shown(u"none.txt"_s) + u" を読めません: ファイルが見つかりません"_s;
    QTest::newRow("no grid option") << QStringList{u"a.dwg"_s} << false << u"--grid"_s;
    QTest::newRow("missing template named on the command line")
        << QStringList{u"--comment"_s, file(u"none.dat"_s), u"a.dwg"_s} << true
        << shown(u"none.dat"_s) + u" を読めません: ファイルが見つかりません"_s;
    QTest::newRow("missing settings file named on the command line")
        << QStringList{u"--settings"_s, file(u"none.ini"_s), u"a.dwg"_s} << true
        << shown(u"none.ini"_s);
    QTest::newRow("bad time") << QStringList{u"--now"_s, u"yesterday"_s, u"a.dwg"_s} << true
                              << u"yesterday"_s;
    QTest::newRow("unknown option")
        << QStringList{u"--colour"_s} << true << u"'colour' は未知のオプションです。"_s;
#ifdef Q_OS_LINUX
    // A file that opens and then fails to read, even for the superuser.
    QTest::newRow("a settings file that cannot be read")
        << QStringList{u"--settings"_s, u"/proc/self/mem"_s, u"a.dwg"_s} << true
        << u"/proc/self/mem"_s;
#endif
#ifdef Q_OS_UNIX
    // Opening a FIFO for reading would block until a writer came; /dev/zero never ends.
    for (const char *option : {"--grid", "--drawings", "--comment", "--settings"}) {
        QTest::addRow("a FIFO as %s", option)
            << QStringList{QLatin1String(option), file(u"fifo"_s), u"a.dwg"_s} << true
            << u"通常のファイルではありません"_s;
    }
    QTest::newRow("an endless device as the grid")
        << QStringList{u"--grid"_s, u"/dev/zero"_s, u"a.dwg"_s} << true << u"/dev/zero"_s;
#endif
    QTest::newRow("a script too large") << QStringList{u"--grid"_s, file(u"huge cell.txt"_s),
                                                       u"--drawings"_s, file(u"300 drawings.txt"_s)}
                                        << true << u"大きすぎます"_s;
    const auto listed = [this](const QString &list, int line, const QString &path) {
        return u"図面リスト %1 の %2行目: %3"_s.arg(QDir::toNativeSeparators(file(list)))
            .arg(line)
            .arg(path);
    };
    QTest::newRow("a carriage return in a listed path")
        << QStringList{u"--drawings"_s, file(u"injected.txt"_s)} << true
        << listed(u"injected.txt"_s, 2, u"C:/a<CR>_.quit<CR>y.dwg"_s);
    QTest::newRow("a relative path in a list: resolved against the list's folder")
        << QStringList{u"--drawings"_s, file(u"relative.txt"_s)} << true
        << u"これはDwg・DXFファイルでは有りません: "_s +
               listed(u"relative.txt"_s, 3, QDir::toNativeSeparators(file(u"set1/notes.txt"_s)));
    QTest::newRow("a line feed in a path argument")
        << QStringList{u"C:/a\n_.quit\ny.dwg"_s} << true << u"C:/a<LF>_.quit<LF>y.dwg"_s;
    QTest::newRow("a double quote in a path")
        << QStringList{u"C:/a\" _.quit \"y.dwg"_s} << true << u"C:/a\" _.quit \"y.dwg"_s;
    QTest::newRow("a control character in a grid cell")
        << QStringList{u"--grid"_s, file(u"control.txt"_s), u"a.dwg"_s} << true << u"2行目の4"_s;
}

void TestScriptCommand::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, withStandardOptions);
    QFETCH(QString, message);
    test::writeBytes(file(u"emptyrow.txt"_s), "\tL13\t\xe8\xa1\xa8\t\t\n");
    test::writeBytes(file(u"long.txt"_s), QByteArray("a\tb\tc\td\te\n").repeated(13));
    test::writeBytes(file(u"wide.txt"_s), "a\tb\tc\td\te\n1\t2\t3\t4\t5\t6\n");
    test::writeBytes(file(u"injected.txt"_s), "C:/ok.dwg\r\nC:/a\r_.quit\ry.dwg\r\n");
    test::writeBytes(file(u"relative.txt"_s), "\\\\server\\a.dwg\n\nset1/../set1/notes.txt\n");
    test::writeBytes(file(u"control.txt"_s), "a\tb\tc\td\te\r\n1\t2\t3\t4\x1b[2J\t5\r\n");
    // Later options override the standard ones.
    const Run result = run((withStandardOptions ? standardOptions() : QStringList{}) + arguments);
    QCOMPARE(result.status, 2);
    QVERIFY(result.out.isEmpty());
    // As far as the system's 8-bit code page holds the message's characters.
    QVERIFY2(result.err.contains(QString::fromLocal8Bit(message.toLocal8Bit())),
             qPrintable(result.err));
}

void TestScriptCommand::tooManyDrawingsAreRefused()
{
    QByteArray list;
    for (int i = 0; i <= 50000; ++i)
        list += "C:\\d\\" + QByteArray::number(i) + ".dwg\n";
    test::writeBytes(file(u"many.txt"_s), list);
    const Run result = run(standardOptions() + QStringList{u"--drawings"_s, file(u"many.txt"_s)});
    QCOMPARE(result.status, 2);
    QVERIFY2(result.err.contains(u"50000"_s), qPrintable(result.err));
}

// Without --comment, a missing template in the program folder is warned of and the comment
// block is the date line alone, as the wizard makes it.
void TestScriptCommand::missingDefaultTemplateIsWarnedOf()
{
#ifdef Q_OS_WIN
    QSKIP("a copy of the program elsewhere would lack the libraries beside it");
#endif
    const QString program = file(u"bare/tavrolin"_s);
    QVERIFY(QDir().mkpath(file(u"bare"_s)));
    QFile::remove(program);
    QVERIFY(QFile::copy(QStringLiteral(TAVROLIN_PROGRAM_DIR "/tavrolin"), program));
    test::writeBytes(file(u"empty.dat"_s), {});
    const QStringList options{
        u"--settings"_s, file(u"tavrolin.ini"_s),  u"--grid"_s, file(u"grid.txt"_s),
        u"--now"_s,      u"2001-12-31 15:00:16"_s, u"a.dwg"_s};

    const Run withEmpty = run(options + QStringList{u"--comment"_s, file(u"empty.dat"_s)});
    const Run withoutTemplate = run(options, program);

    QCOMPARE(withoutTemplate.status, 0);
    QCOMPARE(withoutTemplate.out, withEmpty.out);
    QVERIFY2(withoutTemplate.err.contains(shown(u"bare/commentdata.dat"_s)) &&
                 withoutTemplate.err.contains(u"ファイルが見つかりません"_s),
             qPrintable(withoutTemplate.err));
}

void TestScriptCommand::unwritableOutputIsReported()
{
    const Run result = run(standardOptions() + QStringList{u"-o"_s, m_dir.path(), u"a.dwg"_s});
    QCOMPARE(result.status, 1);
    QVERIFY2(result.err.contains(QDir::toNativeSeparators(m_dir.path())), qPrintable(result.err));
}

// Help and version go to standard output, also when it is a pipe; usage lines name the
// sub-command, and the texts are Japanese, Qt's own included.
void TestScriptCommand::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("printed");
    const QString name = test::programFileName();
    QTest::newRow("script --help") << QStringList{u"script"_s, u"--help"_s}
                                   << u"使い方: %1 script [オプション] [図面...]\n"_s.arg(name);
    QTest::newRow("script --help: options")
        << QStringList{u"script"_s, u"-h"_s} << u"\nオプション:\n"_s;
    QTest::newRow("script --help names the input bound")
        << QStringList{u"script"_s, u"--help"_s} << u"64 MiB"_s;
    QTest::newRow("--help: one usage line a command")
        << QStringList{u"--help"_s} << u"使い方: %1 script [オプション] [図面...]\n"_s.arg(name);
    QTest::newRow("--version") << QStringList{u"--version"_s} << u"Tavrolin 1."_s;
}

void TestScriptCommand::helpAndVersion()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, printed);
    QProcess process;
    process.start(QStringLiteral(TAVROLIN_PROGRAM_DIR "/tavrolin"), arguments);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput()).remove(u'\r');
    QVERIFY2(out.contains(printed), qPrintable(out));
}

void TestScriptCommand::unknownCommandGetsTheUsage()
{
    QProcess process;
    process.start(QStringLiteral(TAVROLIN_PROGRAM_DIR "/tavrolin"), {u"scrpit"_s});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 2);
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QVERIFY2(err.contains(u"「scrpit」というコマンドはありません"_s) && err.contains(u"使い方: "_s),
             qPrintable(err));
}

void TestScriptCommand::unwritableStandardOutputIsReported()
{
    if (!QFileInfo::exists(u"/dev/full"_s))
        QSKIP("no /dev/full here to make writing fail");
    QProcess process;
    process.setStandardOutputFile(u"/dev/full"_s);
    process.start(QStringLiteral(TAVROLIN_PROGRAM_DIR "/tavrolin"),
                  QStringList{u"script"_s} + standardOptions() + QStringList{u"a.dwg"_s});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 1);
    QVERIFY(!process.readAllStandardError().isEmpty());
}

QTEST_GUILESS_MAIN(TestScriptCommand)
#include "test_scriptcommand.moc"
