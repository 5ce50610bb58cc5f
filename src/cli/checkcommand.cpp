#include "checkcommand.h"

#include "commandline.h"
#include "core/programfolder.h"
#include "platform/console/console.h"
#include "settingscheck/settingscheck.h"
#include "settingscheck/settingsfile.h"

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

constexpr int kClean = 0;
constexpr int kFound = 1;
constexpr int kUnreadable = 2;

} // namespace

int runCheckCommand(const QStringList &arguments)
{
    CommandLine line(
        u"check"_s,
        u"設定ファイルをウィザードと同じように読み、見つかった問題を行番号、セクション、"
        u"キーとともに 1 行に 1 つずつ表示します。終了コードは、問題がなければ 0、"
        u"問題があれば 1、ファイルを読めなければ 2 です。"_s);
    line.addArgument(u"設定ファイル"_s,
                     u"調べる設定ファイル（省略時はプログラムのフォルダーの tavrolin.ini）。"_s,
                     u"[設定ファイル]"_s);
    if (const std::optional<int> status = line.parse(arguments, kUnreadable))
        return *status;
    const QStringList files = line.positionalArguments();
    if (files.size() > 1)
        return line.usageError(u"設定ファイルは 1 つだけ指定してください"_s, kUnreadable);
    const QString path = files.isEmpty() ? programFile(u"\\tavrolin.ini") : files.first();
    QString error;
    const std::optional<SettingsFile> file = SettingsFile::open(path, &error);
    if (!file) {
        writeConsoleText(stderr, error + u'\n');
        return kUnreadable;
    }
    const SettingsFindings findings = checkSettings(*file);
    QString lines;
    for (const SettingsFinding &finding : findings)
        lines += finding.text() + u'\n';
    if (!holdsProblem(findings)) {
        writeConsoleText(stdout, lines + u"問題は見つかりませんでした\n"_s);
        return kClean;
    }
    writeConsoleText(stdout, lines);
    return kFound;
}

} // namespace tavrolin
