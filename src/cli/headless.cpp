#include "headless.h"

#include "scriptcommand.h"

#include <QCoreApplication>
#include <QTextStream>

namespace tavrolin {

namespace {

const QString kScript = QStringLiteral("script");

QString usage()
{
    return QStringLiteral("Usage: tavrolin                 start the wizard\n"
                          "       tavrolin script [options] [DRAWING...]\n"
                          "                                build a script file without windows\n"
                          "       tavrolin --version\n"
                          "Run \"tavrolin script --help\" for the options.\n");
}

} // namespace

bool isHeadlessCommand(const QStringList &arguments)
{
    if (arguments.size() < 2)
        return false;
    const QString &word = arguments[1];
    return word == kScript || word.startsWith(u'-');
}

int runHeadlessCommand(const QStringList &arguments)
{
    const QString &word = arguments[1];
    const QStringList rest = arguments.mid(2);
    if (word == kScript)
        return runScriptCommand(rest);
    if (word == u"--version" || word == u"-v") {
        QTextStream(stdout) << QCoreApplication::applicationName() << u' '
                            << QCoreApplication::applicationVersion() << Qt::endl;
        return 0;
    }
    const bool asked = word == u"--help" || word == u"-h";
    QTextStream(asked ? stdout : stderr) << usage();
    return asked ? 0 : 2;
}

} // namespace tavrolin
