#include "runcommand.h"

#include "commandline.h"
#include "core/session.h"
#include "generation/scriptfile.h"
#include "platform/console/console.h"
#include "platform/console/consoleinterrupt.h"
#include "runner/consolerun.h"
#include "scriptbuild.h"
#include "scriptinputs.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

constexpr int kAllOk = 0;
constexpr int kNotAllOk = 1;
constexpr int kCannotStart = 2;
constexpr int kMostJobs = 64;
constexpr double kLongestTimeout = 24 * 3600;

const QString kDescription =
    uR"(スクリプトを図面ごとにコアコンソール（accoreconsole.exe）で実行します。
入力は tavrolin script と同じです。図面ごとに、その図面の行だけのスクリプト（図面を開く行を
除く）をログのフォルダーに書き、コンソールを "パス /i 図面 /s スクリプト" で起動します。
結果は 1 図面 1 行で結果ファイルに追記します: 結果<TAB>図面<TAB>秒<TAB>ログ<TAB>理由。
同じ結果ファイルでもう一度実行すると、ok で終わった図面は実行しません。

結果:
  ok       コンソールが自分で終了コード 0 で終わり、保存する行の保存先が書かれた
  failed   終了コードが 0 以外、保存されていない、またはコンソールを起動できない
  crashed  シグナルか例外コードで異常終了した
  timeout  制限時間を過ぎたので、コンソールとそれが起動したプロセスをすべて終了させた
  skipped  図面の確認で、スクリプトを乱す問題が見つかった（missing, not-drawing, locked,
           read-only, target-exists, target-in-list）; --force で実行します

終了コード: 0 すべての図面が ok、1 ok でない図面がある、2 実行を始められない。)"_s;

int refuse(const QString &message)
{
    writeConsoleText(stderr, message + u'\n');
    return kCannotStart;
}

struct RunOptions
{
    ScriptInputOptions inputs{true};
    QCommandLineOption console{u"console"_s, u"コアコンソール accoreconsole.exe のパス（必須）。"_s,
                               u"パス"_s};
    QCommandLineOption jobs{
        u"jobs"_s, u"同時に動かすコンソールの数（省略時はプロセッサーのコア数、4 まで）。"_s,
        u"数"_s};
    QCommandLineOption timeout{u"timeout"_s, u"1 図面の制限時間、秒（省略時は 300）。"_s, u"秒"_s};
    QCommandLineOption results{
        u"results"_s, u"結果ファイル（省略時は現在のフォルダーの tavrolin-results.tsv）。"_s,
        u"ファイル"_s};
    QCommandLineOption logs{
        u"logs"_s,
        u"ログとスクリプトのフォルダー（省略時は結果ファイルの横の、結果ファイル"
        u"の名前に -logs を付けたフォルダー）。"_s,
        u"フォルダー"_s};
    QCommandLineOption retryFailed{u"retry-failed"_s,
                                   u"結果ファイルで最後の結果が ok でない図面だけを実行します。"_s};
    QCommandLineOption force{u"force"_s, u"確認で問題が見つかった図面も実行します。"_s};
    QCommandLineOption language{u"language"_s, u"コンソールに /l で渡す言語（例: ja-JP）。"_s,
                                u"言語"_s};
};

std::optional<QString> readCount(const QCommandLineParser &parser, const RunOptions &options,
                                 RunSetup *setup)
{
    setup->jobs = RunSetup::defaultJobs();
    if (!parser.isSet(options.jobs))
        return std::nullopt;
    bool number = false;
    setup->jobs = parser.value(options.jobs).toInt(&number);
    if (!number || setup->jobs < 1 || setup->jobs > kMostJobs)
        return u"--jobs は 1 から %1 までの数で指定してください: "_s.arg(kMostJobs) +
               parser.value(options.jobs);
    return std::nullopt;
}

std::optional<QString> readTimeout(const QCommandLineParser &parser, const RunOptions &options,
                                   RunSetup *setup)
{
    double seconds = RunSetup::kDefaultTimeoutSeconds;
    if (parser.isSet(options.timeout)) {
        bool number = false;
        seconds = parser.value(options.timeout).toDouble(&number);
        if (!number || seconds <= 0 || seconds > kLongestTimeout)
            return u"--timeout は 0 より大きく %1 までの秒数で指定してください: "_s.arg(
                       kLongestTimeout) +
                   parser.value(options.timeout);
    }
    setup->command.timeoutMs = qMax(1, qRound(seconds * 1000));
    return std::nullopt;
}

std::optional<QString> readRunOptions(const QCommandLineParser &parser, const RunOptions &options,
                                      RunSetup *setup)
{
    if (!parser.isSet(options.console))
        return u"--console でコアコンソール（accoreconsole.exe）のパスを指定してください"_s;
    setup->command.program = parser.value(options.console);
    if (!QFileInfo(setup->command.program).isFile())
        return u"コアコンソールが見つかりません: "_s +
               QDir::toNativeSeparators(setup->command.program);
    setup->command.language = parser.value(options.language);
    if (auto refusal = readCount(parser, options, setup))
        return refusal;
    if (auto refusal = readTimeout(parser, options, setup))
        return refusal;
    setup->resultsPath = QFileInfo(parser.isSet(options.results) ? parser.value(options.results)
                                                                 : u"tavrolin-results.tsv"_s)
                             .absoluteFilePath();
    setup->logsFolder = parser.isSet(options.logs)
                            ? QFileInfo(parser.value(options.logs)).absoluteFilePath()
                            : RunSetup::logsFolderBeside(setup->resultsPath);
    setup->retryFailed = parser.isSet(options.retryFailed);
    setup->force = parser.isSet(options.force);
    return std::nullopt;
}

// The script of `tavrolin script`, split by drawing, with its warnings on standard error.
std::optional<QString> buildScripts(const ScriptInputs &inputs, RunSetup *setup)
{
    ScriptBuild build(inputs);
    if (auto refusal = build.refusal())
        return refusal;
    QStringList warnings = build.gridWarnings();
    if (auto refusal = build.generate())
        return refusal;
    const Session &session = build.session();
    if (const QString lost = lostCharactersWarning(scriptFileText(session.ScriptText, {}));
        !lost.isEmpty())
        warnings.append(lost);
    for (const QString &warning : std::as_const(warnings))
        writeConsoleText(stderr, warning + u'\n');
    setup->takeScript(session);
    setup->saves = build.saves();
    return std::nullopt;
}

void tellPlan(const ConsoleRun &run)
{
    int left = 0;
    for (int drawing = 0; drawing < run.setup().drawings.size(); ++drawing)
        left += run.planOf(drawing) == ConsoleRun::Plan::Left ? 1 : 0;
    if (const int ok = run.progress().alreadyOk(); ok > 0)
        writeConsoleText(stderr, u"結果ファイルで ok の図面 %1 件は実行しません。\n"_s.arg(ok));
    if (left > 0)
        writeConsoleText(
            stderr,
            u"--retry-failed: 結果ファイルに結果のない図面 %1 件は実行しません。\n"_s.arg(left));
}

void tellResult(const ConsoleRun &run, int drawing, const DrawingResult &result)
{
    QString line = run.progress().line() + u"  "_s + DrawingResult::name(result.outcome) + u"  "_s +
                   run.setup().drawings[drawing];
    if (!result.reason.isEmpty())
        line += u"  "_s + result.reason;
    writeConsoleText(stderr, line + u'\n');
}

// Runs until every drawing has ended, or the user interrupts: then the running consoles are
// ended and the results recorded so far stay.
int runConsoles(const RunSetup &setup)
{
    ConsoleRun run(setup);
    ConsoleInterrupt interrupt;
    QEventLoop loop;
    QObject::connect(&run, &ConsoleRun::planned, [&run] { tellPlan(run); });
    QObject::connect(
        &run, &ConsoleRun::drawingFinished,
        [&run](int drawing, const DrawingResult &result) { tellResult(run, drawing, result); });
    QObject::connect(&run, &ConsoleRun::recordFailed,
                     [](const QString &reason) { writeConsoleText(stderr, reason + u'\n'); });
    QObject::connect(&run, &ConsoleRun::finished, &loop, &QEventLoop::quit);
    QObject::connect(&interrupt, &ConsoleInterrupt::interrupted, &run, [&run] {
        writeConsoleText(stderr, u"中断しました。実行中のコンソールを終了します。\n"_s);
        run.stop();
    });
    QString error;
    if (!run.start(&error))
        return refuse(error);
    loop.exec();
    writeConsoleText(stderr, run.progress().summary() + u"\n結果: "_s +
                                 QDir::toNativeSeparators(setup.resultsPath) + u"\nログ: "_s +
                                 QDir::toNativeSeparators(setup.logsFolder) + u'\n');
    const bool allOk = run.allOk() && !run.wasStopped();
    interrupt.done();
    return allOk ? kAllOk : kNotAllOk;
}

} // namespace

int runRunCommand(const QStringList &arguments)
{
    CommandLine line(u"run"_s, kDescription);
    const RunOptions options;
    for (const QCommandLineOption *option :
         {&options.console, &options.jobs, &options.timeout, &options.results, &options.logs,
          &options.retryFailed, &options.force, &options.language, &options.inputs.settings,
          &options.inputs.grid, &options.inputs.now, &options.inputs.drawings})
        line.addOption(*option);
    line.addArgument(u"図面"_s, u"図面のパス（.dwg または .dxf）。"_s, u"[図面...]"_s);
    if (const std::optional<int> status = line.parse(arguments, kCannotStart))
        return *status;
    ScriptInputs inputs;
    RunSetup setup;
    if (auto refusal = readRunOptions(line.parser(), options, &setup))
        return line.usageError(*refusal, kCannotStart);
    if (auto refusal = options.inputs.read(line.parser(), &inputs))
        return refuse(*refusal);
    if (auto refusal = buildScripts(inputs, &setup))
        return refuse(*refusal);
    return runConsoles(setup);
}

} // namespace tavrolin
