#include "preflightcommand.h"

#include "platform/console/console.h"
#include "preflight/preflightcheck.h"
#include "scriptbuild.h"
#include "scriptinputs.h"

#include <QCommandLineParser>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

constexpr int kClean = 0;
constexpr int kFound = 1;
constexpr int kBadInput = 2;

const QString kDescription = uR"(Checks each drawing of a list, before AutoCAD meets it, for what
would stop a script at it or derail the rest of the run, and prints one line per finding: the
code, TAB, the drawing's path, TAB, a message in Japanese, in list order. Without --grid the
findings that need the grid are not sought, without --release the formats are not checked.
Exit status 0 with no output when nothing is found, 1 with findings, 2 when the check cannot run.

Codes:
  missing         the file no longer exists or cannot be read
  not-drawing     the content is no DWG or DXF drawing (an empty file, another kind of file)
  too-new         the drawing's format is newer than the --release opens
  read-only       the file is read-only and a grid row saves it in place (qsave, asdwg)
  locked          a lock file (name.dwl or name.dwl2) lies beside it: the drawing is open
                  elsewhere, or was when AutoCAD ended abnormally
  duplicate       the same file is listed earlier
  target-exists   a save-as row would write a drawing that exists (the names the script's
                  .saveas lines hold, --now giving their date), or a DXF save row would write
                  name.dxf beside name.dwg where one exists: AutoCAD would ask to replace it
                  and the script's next line would answer
  target-in-list  a save-as row would write over a drawing of the list)"_s;

int refuse(const QString &message)
{
    writeConsoleText(stderr, message + u'\n');
    return kBadInput;
}

std::optional<QString> readRelease(const QCommandLineParser &parser,
                                   const QCommandLineOption &option,
                                   std::optional<Release> *release)
{
    if (!parser.isSet(option))
        return std::nullopt;
    bool number = false;
    const int year = parser.value(option).toInt(&number);
    *release = number ? Release::fromYear(year) : std::nullopt;
    if (!*release)
        return u"--release は 12, 13, 14 か 2000 以降の年で指定してください: "_s +
               parser.value(option);
    return std::nullopt;
}

// What the script that `tavrolin script` builds from the same inputs saves: the grid file is
// opened into the grid as the wizard and that command open it.
std::optional<QString> readSaves(const ScriptInputs &inputs, std::optional<ScriptSaves> *saves)
{
    if (!inputs.grid)
        return std::nullopt;
    ScriptBuild build(inputs);
    if (auto refusal = build.refusal())
        return refusal;
    *saves = build.saves();
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
    QCommandLineParser parser;
    parser.setApplicationDescription(kDescription);
    parser.addHelpOption();
    const ScriptInputOptions inputOptions(false);
    const QCommandLineOption releaseOption(
        u"release"_s,
        u"The AutoCAD release that will run the script: 12, 13 or 14 for R12 to R14, else its "
        u"year (2000, 2002, 2004, ..., 2018, ...)."_s,
        u"YEAR"_s);
    parser.addOptions({inputOptions.settings, inputOptions.grid, releaseOption, inputOptions.now,
                       inputOptions.drawings});
    parser.addPositionalArgument(u"DRAWING"_s, u"Drawing paths (.dwg or .dxf)."_s,
                                 u"[DRAWING...]"_s);
    if (!parser.parse(QStringList{u"tavrolin preflight"_s} + arguments))
        return refuse(parser.errorText());
    if (parser.isSet(u"help"_s))
        parser.showHelp(kClean);
    PreflightCheck::Input input;
    ScriptInputs inputs;
    if (auto refusal = inputOptions.read(parser, &inputs))
        return refuse(*refusal);
    if (auto refusal = readRelease(parser, releaseOption, &input.release))
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
