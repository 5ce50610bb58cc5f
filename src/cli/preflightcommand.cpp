#include "preflightcommand.h"

#include "cascade/gridcelltable.h"
#include "cascade/gridtextloader.h"
#include "commandline.h"
#include "core/clock.h"
#include "core/session.h"
#include "core/settingslookup.h"
#include "generation/generationview.h"
#include "generation/scriptgenerator.h"
#include "platform/console/console.h"
#include "preflight/preflightcheck.h"
#include "scriptinputs.h"

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

constexpr int kClean = 0;
constexpr int kFound = 1;
constexpr int kBadInput = 2;

const QString kDescription =
    uR"(リストの図面をそれぞれ AutoCAD が開く前に調べ、スクリプトをその図面で
止めたり、その後の流れを狂わせたりするものを、1 件 1 行で表示します: コード、タブ、図面のパス、
タブ、日本語のメッセージの順で、リストの順です。--grid がなければグリッドの要る調べはせず、
--release がなければ形式は調べません。終了コードは、何もなければ 0（表示なし）、見つかれば 1、
調べられなければ 2 です。

コード:
  missing         ファイルがもうないか、読めません
  not-drawing     中身が DWG や DXF の図面ではありません（空のファイル、別の種類のファイル）
  too-new         図面の形式が --release の開けるものより新しいです
  read-only       ファイルが読み取り専用で、グリッドの段がその場で保存します（qsave、asdwg）
  locked          ロックファイル（名前.dwl や 名前.dwl2）が横にあります: 図面がほかで開かれて
                  いるか、AutoCAD が異常終了したときに開かれていました
  duplicate       同じファイルが前にも並んでいます
  target-exists   名前を付けて保存する段が、ある図面に書きます（スクリプトの .saveas 行の名前、
                  日付は --now から）。または DXF で保存する段が、名前.dwg の横にある 名前.dxf
                  に書きます: AutoCAD が置き換えるかを尋ね、スクリプトの次の行が答えてしまいます
  target-in-list  名前を付けて保存する段が、リストの図面の上に書きます)"_s;

int refuse(const QString &message)
{
    writeConsoleText(stderr, message + u'\n');
    return kBadInput;
}

std::optional<QString> readRelease(const CommandLine &line, const QCommandLineOption &option,
                                   std::optional<Release> *release)
{
    if (!line.isSet(option))
        return std::nullopt;
    bool number = false;
    const int year = line.value(option).toInt(&number);
    *release = number ? Release::fromYear(year) : std::nullopt;
    if (!*release)
        return u"--release は 12, 13, 14 か 2000 以降の年で指定してください: "_s +
               line.value(option);
    return std::nullopt;
}

// What the script that `tavrolin script` builds from the same inputs saves: the grid file is
// opened into the grid as the wizard and that command open it.
std::optional<QString> readSaves(const ScriptInputs &inputs, std::optional<ScriptSaves> *saves)
{
    if (!inputs.grid)
        return std::nullopt;
    const std::unique_ptr<Session> session = inputs.session();
    SettingsLookup lookup(inputs.settingsPath);
    GridCellTable grid;
    GridTextLoader(grid, lookup).load(*inputs.grid);
    GenerationView view;
    ScriptGenerator generator(*session, lookup, grid, view);
    if (!generator.rowZeroDescribed())
        return u"処理が記述されていません"_s;
    setClock(std::make_unique<FixedClock>(inputs.now));
    *saves = generator.scriptSaves();
    return std::nullopt;
}

QString findingLines(const PreflightReport &report)
{
    QString lines;
    for (int drawing = 0; drawing < report.drawings.size(); ++drawing) {
        for (const Finding &finding : report.findings[drawing])
            lines += finding.codeName() + u'\t' + report.drawings[drawing] + u'\t' +
                     finding.message + u'\n';
    }
    return lines;
}

} // namespace

int runPreflightCommand(const QStringList &arguments)
{
    CommandLine line(u"preflight"_s, kDescription);
    const ScriptInputOptions inputOptions(false);
    const QCommandLineOption releaseOption(
        u"release"_s,
        u"スクリプトを流す AutoCAD のリリース: R12 から R14 は 12、13、14、ほかはその年"
        u"（2000、2002、2004、…、2018、…）。"_s,
        u"年"_s);
    for (const QCommandLineOption *option :
         {&inputOptions.settings, &inputOptions.grid, &releaseOption, &inputOptions.now,
          &inputOptions.drawings})
        line.addOption(*option);
    line.addArgument(u"図面"_s, u"図面のパス（.dwg または .dxf）。"_s, u"[図面...]"_s);
    if (const std::optional<int> status = line.parse(arguments, kBadInput))
        return *status;
    PreflightCheck::Input input;
    ScriptInputs inputs;
    if (auto refusal = inputOptions.read(line.parser(), &inputs))
        return refuse(*refusal);
    if (auto refusal = readRelease(line, releaseOption, &input.release))
        return refuse(*refusal);
    if (auto refusal = readSaves(inputs, &input.saves))
        return refuse(*refusal);
    input.drawings = inputs.drawings;
    const std::optional<PreflightReport> report = PreflightCheck::run(input);
    const QString lines = findingLines(*report);
    if (lines.isEmpty())
        return kClean;
    writeConsoleText(stdout, lines);
    return kFound;
}

} // namespace tavrolin
