#include "scriptcommand.h"

#include "commandline.h"
#include "core/filefailure.h"
#include "core/inputfile.h"
#include "core/programfolder.h"
#include "core/session.h"
#include "generation/commentblock.h"
#include "generation/scriptfile.h"
#include "platform/console/console.h"
#include "scriptbuild.h"
#include "scriptinputs.h"

#include <cstdio>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif
#include <optional>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

constexpr int kBadInput = 2;
constexpr int kWriteFailed = 1;

// A failure with the message for standard error and the exit status.
struct Failure
{
    QString message;
    int status = kBadInput;
};

// Everything the command needs, read and checked.
struct ScriptJob
{
    ScriptInputs inputs;
    QString commentPath;
    bool commentNamed = false; // given with --comment, rather than the program folder's
    QString outputPath;
    bool strict = false; // warnings are errors
};

// The script file text, and what the input makes doubtful: rows left out, texts the settings
// file does not offer, characters the script file cannot hold.
struct ScriptResult
{
    QString text;
    QStringList warnings;
};

int report(const Failure &failure)
{
    writeConsoleText(stderr, failure.message + u'\n');
    return failure.status;
}

struct Options
{
    ScriptInputOptions inputs{true};
    QCommandLineOption comment{
        u"comment"_s,
        u"コメントのひな形（省略時はプログラムのフォルダーの commentdata.dat。"
        u"読めなければウィザードと同じく警告して日時の行だけにします）。"_s,
        u"ファイル"_s};
    QCommandLineOption output{{u"o"_s, u"output"_s},
                              u"書き込むスクリプトファイル（省略時は標準出力）。"_s,
                              u"ファイル"_s};
    QCommandLineOption strict{
        u"strict"_s,
        u"警告（スクリプトの最後の段より下で文字のある段、設定ファイルの一覧にない文字、コード"
        u"ページで書けない文字）をエラーとして扱います: 終了コード 2 で、何も書きません。"_s};
};

void describe(CommandLine &line, const Options &options)
{
    for (const QCommandLineOption *option :
         {&options.inputs.settings, &options.inputs.grid, &options.inputs.drawings,
          &options.comment, &options.inputs.now, &options.output, &options.strict})
        line.addOption(*option);
    line.addArgument(u"図面"_s, u"図面のパス（.dwg または .dxf）。"_s, u"[図面...]"_s);
}

std::optional<Failure> readJob(const CommandLine &line, const Options &options, ScriptJob *job)
{
    job->commentNamed = line.isSet(options.comment);
    job->commentPath =
        job->commentNamed ? line.value(options.comment) : programFile(u"\\commentdata.dat");
    job->outputPath = line.value(options.output);
    job->strict = line.isSet(options.strict);
    if (auto refusal = options.inputs.read(line.parser(), &job->inputs))
        return Failure{*refusal};
    return std::nullopt;
}

// A template named with --comment must be read. Without it, the program folder's template is
// read as the wizard reads it: when it cannot be, a warning, and the comment block starts with
// the date line alone.
std::optional<Failure> readTemplate(const ScriptJob &job, QString *text)
{
    QString error;
    if (readCommentTemplate(job.commentPath, text, &error))
        return std::nullopt;
    if (job.commentNamed)
        return Failure{QStringLiteral("コメントのひな形 %1 を読めません: %2")
                           .arg(messagePath(job.commentPath), error)};
    writeConsoleText(stderr, unreadableTemplateWarning(job.commentPath, error) + u'\n');
    text->clear();
    return std::nullopt;
}

// The same steps as the wizard from a fresh session: drawing list, the grid file opened into
// the grid, forward step of the grid, comment block, script file text.
std::optional<Failure> buildScript(const ScriptJob &job, ScriptResult *result)
{
    ScriptBuild build(job.inputs);
    if (auto refusal = build.refusal())
        return Failure{*refusal};
    result->warnings = build.gridWarnings();
    QString commentTemplate;
    if (auto failure = readTemplate(job, &commentTemplate))
        return failure;
    if (auto refusal = build.generate())
        return Failure{*refusal};
    Session &session = build.session();
    session.CommentText = normaliseLineBreaks(initialCommentBlock(commentTemplate, job.inputs.now));
    result->text = scriptFileText(session.ScriptText, session.CommentText);
    if (const QString lost = lostCharactersWarning(result->text); !lost.isEmpty())
        result->warnings.append(lost);
    return std::nullopt;
}

int writeOutput(const ScriptJob &job, const QString &text)
{
    if (job.outputPath.isEmpty()) {
#ifdef Q_OS_WIN
        // The script's CR LF line ends are bytes of the file: a stream in text mode would
        // write each of them as CR CR LF.
        _setmode(_fileno(stdout), _O_BINARY);
#endif
        const QByteArray bytes = scriptFileBytes(text);
        const auto size = static_cast<size_t>(bytes.size());
        if (std::fwrite(bytes.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0)
            return report({QStringLiteral("標準出力に書けません"), kWriteFailed});
        return 0;
    }
    QString error;
    if (!writeScriptFile(job.outputPath, text, &error))
        return report({QStringLiteral("スクリプトファイル %1 を書き込めません: %2")
                           .arg(messagePath(job.outputPath), error),
                       kWriteFailed});
    return 0;
}

} // namespace

int runScriptCommand(const QStringList &arguments)
{
    CommandLine line(u"script"_s,
                     u"ウィザードが同じ図面リスト、グリッド、コメントのひな形から書き込むスクリプト"
                     u"ファイルを、ウィンドウを開かずに作ります。入力ファイルはどれも %1 MiB までの"
                     u"通常のファイルです。"_s.arg(kInputFileLimit / (1024 * 1024)));
    const Options options;
    describe(line, options);
    if (const std::optional<int> status = line.parse(arguments, kBadInput))
        return *status;
    auto job = std::make_unique<ScriptJob>();
    if (auto failure = readJob(line, options, job.get()))
        return report(*failure);
    ScriptResult result;
    if (auto failure = buildScript(*job, &result))
        return report(*failure);
    for (const QString &warning : result.warnings)
        writeConsoleText(stderr, warning + u'\n');
    if (job->strict && !result.warnings.isEmpty())
        return report({QStringLiteral("警告があるので、スクリプトを書きませんでした (--strict)")});
    return writeOutput(*job, result.text);
}

} // namespace tavrolin
