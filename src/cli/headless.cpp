#include "headless.h"

#include "checkcommand.h"
#include "commandline.h"
#include "platform/console/console.h"
#include "platform/memory/batchheap.h"
#include "preflightcommand.h"
#include "runcommand.h"
#include "scriptcommand.h"
#include "wizardmodule.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

// A headless sub-command: its name, the words that follow it, what it does, and its runner,
// which takes the words after the name.
struct Subcommand
{
    QString name;
    QString syntax;
    QString summary;
    int (*run)(const QStringList &arguments);
};

const QList<Subcommand> &subcommands()
{
    static const QList<Subcommand> commands{
        {u"script"_s, u"[オプション] [図面...]"_s,
         u"ウィンドウを開かずにスクリプトファイルを作ります"_s, runScriptCommand},
        {u"preview"_s, u"図面 -o ファイル.png"_s,
         u"図面に保存されたプレビュー画像を PNG ファイルに書きます"_s, runModulePreviewCommand},
        {u"check"_s, u"[設定ファイル]"_s, u"設定ファイル（tavrolin.ini）を調べます"_s,
         runCheckCommand},
        {u"preflight"_s, u"[オプション] [図面...]"_s, u"スクリプトを流す前に図面を調べます"_s,
         runPreflightCommand},
        {u"run"_s, u"--console パス [オプション] [図面...]"_s,
         u"スクリプトを図面ごとにコアコンソールで実行します"_s, runRunCommand},
    };
    return commands;
}

// One usage line for the wizard and one for each sub-command, each followed by what it does.
QString usage()
{
    const QString program = CommandLine::programName();
    const auto entry = [](const QString &line, const QString &summary) {
        return QCoreApplication::translate("QCommandLineParser", "Usage: %1").arg(line) +
               u"\n    "_s + summary + u'\n';
    };
    QString text = entry(program, u"ウィザードを起動します"_s);
    for (const Subcommand &command : subcommands())
        text +=
            entry(CommandLine::commandName(command.name) + u' ' + command.syntax, command.summary);
    text += entry(program + u" --version"_s, u"バージョンを表示します"_s);
    return text +
           u"各コマンドのオプションは \"%1 コマンド --help\" で表示されます。\n"_s.arg(program);
}

} // namespace

// A first word that is no option is a sub-command, known or not (a mistyped one gets the
// usage, not the wizard); options other than help and version are the toolkit's own (such as
// -platform) and go to the wizard.
bool isHeadlessCommand(const QStringList &arguments)
{
    if (arguments.size() < 2)
        return false;
    const QString &word = arguments[1];
    return !word.startsWith(u'-') || word == u"--help" || word == u"-h" || word == u"--version" ||
           word == u"-v";
}

int runHeadlessCommand(const QStringList &arguments)
{
    prepareHeapForBatchWork();
    const QString &word = arguments[1];
    for (const Subcommand &command : subcommands()) {
        if (word == command.name)
            return command.run(arguments.mid(2));
    }
    if (word == u"--version" || word == u"-v") {
        writeConsoleText(stdout, QCoreApplication::applicationName() + u' ' +
                                     QCoreApplication::applicationVersion() + u'\n');
        return 0;
    }
    const bool asked = word == u"--help" || word == u"-h";
    if (!asked)
        writeConsoleText(stderr, CommandLine::programName() +
                                     u": 「%1」というコマンドはありません\n"_s.arg(word));
    writeConsoleText(asked ? stdout : stderr, usage());
    return asked ? 0 : 2;
}

} // namespace tavrolin
