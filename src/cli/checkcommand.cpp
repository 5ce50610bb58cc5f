#include "checkcommand.h"

#include "core/programfolder.h"
#include "settingscheck/settingscheck.h"
#include "settingscheck/settingsfile.h"

#include <QCommandLineParser>
#include <QTextStream>

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
        QTextStream(stderr) << parser.errorText() << Qt::endl;
        return kUnreadable;
    }
    if (parser.isSet(u"help"_s))
        parser.showHelp(kClean);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        QTextStream(stderr) << u"設定ファイルは 1 つだけ指定してください"_s << Qt::endl;
        return kUnreadable;
    }
    const QString path = files.isEmpty() ? programFile(u"\\tavrolin.ini") : files.first();
    QString error;
    const std::optional<SettingsFile> file = SettingsFile::open(path, &error);
    if (!file) {
        QTextStream(stderr) << error << Qt::endl;
        return kUnreadable;
    }
    const SettingsFindings findings = checkSettings(*file);
    QTextStream out(stdout);
    if (findings.isEmpty()) {
        out << u"問題は見つかりませんでした"_s << Qt::endl;
        return kClean;
    }
    for (const SettingsFinding &finding : findings)
        out << finding.text() << u'\n';
    out.flush();
    return kFound;
}

} // namespace tavrolin
