#include "scriptcommand.h"

#include "commandline.h"
#include "core/filefailure.h"
#include "core/inputfile.h"
#include "core/outputfile.h"
#include "core/programfolder.h"
#include "core/session.h"
#include "generation/commentblock.h"
#include "generation/scriptfile.h"
#include "generation/scriptfilebytes.h"
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

// Where the script file's bytes go: the output file, or, for standard output, memory, from
// which they are written once nothing stops them. A refusal after the bytes were made writes
// nothing.
class ScriptOutput
{
public:
    explicit ScriptOutput(const QString &path) : m_path(path), m_file(path) {}

    void take(QByteArrayView bytes)
    {
        if (m_path.isEmpty())
            m_standardOutput.append(bytes);
        else
            m_file.write(bytes);
    }

    int commit();

private:
    QString m_path;
    OutputFile m_file;
    QByteArray m_standardOutput;
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
// the grid, forward step of the grid, comment block, script file bytes as they come.
std::optional<Failure> buildScript(const ScriptJob &job, ScriptOutput *output,
                                   QStringList *warnings)
{
    ScriptBuild build(job.inputs);
    if (auto refusal = build.refusal())
        return Failure{*refusal};
    *warnings = build.gridWarnings();
    QString commentTemplate;
    if (auto failure = readTemplate(job, &commentTemplate))
        return failure;
    ScriptFileBytes file([output](QByteArrayView bytes) { output->take(bytes); });
    if (auto refusal = build.generateInto([&file](QStringView block) { file.addScript(block); }))
        return Failure{*refusal};
    Session &session = build.session();
    session.CommentText = normaliseLineBreaks(initialCommentBlock(commentTemplate, job.inputs.now));
    file.finish(session.CommentText);
    if (file.lostCharacters() > 0)
        warnings->append(build.lostCharactersWarning());
    return std::nullopt;
}

int ScriptOutput::commit()
{
    if (m_path.isEmpty()) {
#ifdef Q_OS_WIN
        // The script's CR LF line ends are bytes of the file: a stream in text mode would
        // write each of them as CR CR LF.
        _setmode(_fileno(stdout), _O_BINARY);
#endif
        const auto size = static_cast<size_t>(m_standardOutput.size());
        if (std::fwrite(m_standardOutput.constData(), 1, size, stdout) != size ||
            std::fflush(stdout) != 0)
            return report({QStringLiteral("標準出力に書けません"), kWriteFailed});
        return 0;
    }
    QString error;
    if (!m_file.commit(&error))
        return report({QStringLiteral("スクリプトファイル %1 を書き込めません: %2")
                           .arg(messagePath(m_path), error),
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
    auto output = std::make_unique<ScriptOutput>(job->outputPath);
    QStringList warnings;
    if (auto failure = buildScript(*job, output.get(), &warnings))
        return report(*failure);
    for (const QString &warning : warnings)
        writeConsoleText(stderr, warning + u'\n');
    if (job->strict && !warnings.isEmpty())
        return report({QStringLiteral("警告があるので、スクリプトを書きませんでした (--strict)")});
    return output->commit();
}

} // namespace tavrolin
