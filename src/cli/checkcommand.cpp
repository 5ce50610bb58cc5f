#include "checkcommand.h"

#include "core/programfolder.h"
#include "platform/console/console.h"
#include "settingscheck/settingscheck.h"
#include "settingscheck/settingsfile.h"

#include <QCommandLineParser>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

constexpr int kClean = 0;
constexpr int kFound = 1;
constexpr int kUnreadable = 2;

} // namespace

int runCheckCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Checks a settings file as the wizard reads it and prints each problem found, in "
        u"Japanese, with its line number, section and key. Exit status 0 when nothing is found, "
        u"1 when problems are found, 2 when the file cannot be read."_s);
    parser.addHelpOption();
    parser.addPositionalArgument(u"FILE"_s,
                                 u"The settings file (default: tavrolin.ini in the program "
                                 u"folder)."_s,
                                 u"[FILE]"_s);
    if (!parser.parse(QStringList{u"tavrolin check"_s} + arguments)) {
        writeConsoleText(stderr, parser.errorText() + u'\n');
        return kUnreadable;
    }
    if (parser.isSet(u"help"_s))
        parser.showHelp(kClean);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        writeConsoleText(stderr, u"設定ファイルは 1 つだけ指定してください\n"_s);
        return kUnreadable;
    }
    const QString path = files.isEmpty() ? programFile(u"\\tavrolin.ini") : files.first();
    QString error;
    const std::optional<SettingsFile> file = SettingsFile::open(path, &error);
    if (!file) {
        writeConsoleText(stderr, error + u'\n');
        return kUnreadable;
    }
    const SettingsFindings findings = checkSettings(*file);
    if (findings.isEmpty()) {
        writeConsoleText(stdout, u"問題は見つかりませんでした\n"_s);
        return kClean;
    }
    QString lines;
    for (const SettingsFinding &finding : findings)
        lines += finding.text() + u'\n';
    writeConsoleText(stdout, lines);
    return kFound;
}

} // namespace tavrolin
