#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

namespace tavrolin {

// The command line of one headless sub-command and every text printed about it, built in one
// place: the command's own option and argument texts, in Japanese; Qt's own texts ("オプション:",
// "'--x' は未知のオプションです。"), in Japanese wherever its translations are loaded; and a usage
// line that names the program file and the sub-command: "使い方: tavrolin.exe script [オプション]
// [図面...]".
class CommandLine
{
public:
    CommandLine(const QString &command, const QString &description);

    void addOption(const QCommandLineOption &option);
    // A positional argument: its name in the help, what it is, and how the usage line shows it.
    void addArgument(const QString &name, const QString &description, const QString &syntax);

    // Parses the words after the sub-command. Nothing when the command is to run; otherwise the
    // exit status to end with: 0 once the help is printed, `badUsage` once the parser's error
    // and the usage line are.
    std::optional<int> parse(const QStringList &arguments, int badUsage);

    const QCommandLineParser &parser() const { return m_parser; }
    bool isSet(const QCommandLineOption &option) const { return m_parser.isSet(option); }
    QString value(const QCommandLineOption &option) const { return m_parser.value(option); }
    QStringList positionalArguments() const { return m_parser.positionalArguments(); }

    // Prints a problem with the command line and the usage line on standard error; returns
    // `status`.
    int usageError(const QString &problem, int status) const;

    QString usageLine() const;
    QString helpText() const;

    // The program as its file is named, "tavrolin.exe" on Windows, and a sub-command after it.
    static QString programName();
    static QString commandName(const QString &command);

private:
    QString m_command;
    QStringList m_syntax;
    QCommandLineParser m_parser;
    QCommandLineOption m_help;
};

} // namespace tavrolin
