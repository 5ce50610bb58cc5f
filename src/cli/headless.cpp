#include "headless.h"

#include "checkcommand.h"
#include "platform/console/console.h"
#include "preflightcommand.h"
#include "previewcommand.h"
#include "runcommand.h"
#include "scriptcommand.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

const QString kScript = QStringLiteral("script");
const QString kPreview = QStringLiteral("preview");
const QString kCheck = QStringLiteral("check");
const QString kPreflight = QStringLiteral("preflight");
const QString kRun = QStringLiteral("run");

QString usage()
{
    return QStringLiteral(
        "Usage: tavrolin                 start the wizard\n"
        "       tavrolin script [options] [DRAWING...]\n"
        "                                build a script file without windows\n"
        "       tavrolin preview DRAWING -o FILE.png\n"
        "                                write the preview picture of a drawing\n"
        "       tavrolin check [FILE]\n"
        "                                check a settings file (tavrolin.ini)\n"
        "       tavrolin preflight [options] [DRAWING...]\n"
        "                                check drawings before a script runs\n"
        "       tavrolin run --console PATH [options] [DRAWING...]\n"
        "                                run the script drawing by drawing on the\n"
        "                                core console\n"
        "       tavrolin --version\n"
        "Run \"tavrolin COMMAND --help\" for the options of a command.\n");
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
    const QString &word = arguments[1];
    const QStringList rest = arguments.mid(2);
    if (word == kScript)
        return runScriptCommand(rest);
    if (word == kPreview)
        return runPreviewCommand(rest);
    if (word == kCheck)
        return runCheckCommand(rest);
    if (word == kPreflight)
        return runPreflightCommand(rest);
    if (word == kRun)
        return runRunCommand(rest);
    if (word == u"--version" || word == u"-v") {
        writeConsoleText(stdout, QCoreApplication::applicationName() + u' ' +
                                     QCoreApplication::applicationVersion() + u'\n');
        return 0;
    }
    const bool asked = word == u"--help" || word == u"-h";
    if (!asked)
        writeConsoleText(stderr, u"tavrolin: unknown command \""_s + word + u"\"\n"_s);
    writeConsoleText(asked ? stdout : stderr, usage());
    return asked ? 0 : 2;
}

} // namespace tavrolin
