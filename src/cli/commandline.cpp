#include "commandline.h"

#include "platform/console/console.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

// A text of Qt's command line parser, in the language of its loaded translations.
QString parserText(const char *text)
{
    return QCoreApplication::translate("QCommandLineParser", text);
}

} // namespace

CommandLine::CommandLine(const QString &command, const QString &description)
    : m_command(command), m_help({u"h"_s, u"help"_s}, u"このヘルプを表示します。"_s)
{
    m_parser.setApplicationDescription(description);
    // Not addHelpOption(): its text is not translated, and its --help-all lists the options of
    // a windowed program.
    m_parser.addOption(m_help);
}

void CommandLine::addOption(const QCommandLineOption &option)
{
    m_parser.addOption(option);
}

void CommandLine::addArgument(const QString &name, const QString &description,
                              const QString &syntax)
{
    m_parser.addPositionalArgument(name, description, syntax);
    m_syntax.append(syntax);
}

std::optional<int> CommandLine::parse(const QStringList &arguments, int badUsage)
{
    if (!m_parser.parse(QStringList{commandName(m_command)} + arguments))
        return usageError(m_parser.errorText(), badUsage);
    if (m_parser.isSet(m_help)) {
        writeConsoleText(stdout, helpText());
        return 0;
    }
    return std::nullopt;
}

int CommandLine::usageError(const QString &problem, int status) const
{
    writeConsoleText(stderr,
                     commandName(m_command) + u": "_s + problem + u'\n' + usageLine() + u'\n');
    return status;
}

QString CommandLine::usageLine() const
{
    QStringList words{commandName(m_command), parserText("[options]")};
    return parserText("Usage: %1").arg((words + m_syntax).join(u' '));
}

// Qt's help starts with a usage line that names the program as it was started and not the
// sub-command; the rest, options and arguments, is kept.
QString CommandLine::helpText() const
{
    const QString text = m_parser.helpText();
    return usageLine() + text.sliced(text.indexOf(u'\n'));
}

QString CommandLine::programName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

QString CommandLine::commandName(const QString &command)
{
    return programName() + u' ' + command;
}

} // namespace tavrolin
