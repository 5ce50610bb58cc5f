#include "scriptinputs.h"

#include "core/drawinglistfile.h"
#include "core/drawingpath.h"
#include "core/iniread.h"
#include "core/programfolder.h"
#include "core/session.h"
#include "generation/gridtextfile.h"

#include <QCommandLineParser>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

// The drawing list is checked as a drop onto the drawing list page would be.
std::optional<QString> checkDrawings(const ScriptInputs &inputs)
{
    const QStringList &drawings = inputs.drawings;
    for (qsizetype i = 0; i < drawings.size(); ++i) {
        if (!isDrawingPath(drawings[i]))
            return QStringLiteral("これはDwg・DXFファイルでは有りません: ") + inputs.placeOf(i);
        if (!isScriptSafePath(drawings[i]))
            return unsafeDrawingPathMessage() + u": "_s + inputs.placeOf(i);
    }
    if (drawings.isEmpty())
        return QStringLiteral("ファイルが選択されてません");
    if (drawings.size() > Session::kDrawingCapacity)
        return QStringLiteral("図面は%1件までです (%2件が指定されました)")
            .arg(Session::kDrawingCapacity)
            .arg(drawings.size());
    return std::nullopt;
}

} // namespace

QString ScriptInputs::placeOf(qsizetype index) const
{
    const QString shown = visibleControls(drawings[index]);
    const qsizetype listed = index - namedDrawings;
    return listed < 0 ? shown : list.place(listed, shown);
}

std::unique_ptr<Session> ScriptInputs::session() const
{
    auto session = std::make_unique<Session>();
    for (const QString &path : drawings) {
        session->DrawingPaths[session->DrawingCount] = path;
        session->OpenCommands[session->DrawingCount] = openCommand(path);
        ++session->DrawingCount;
    }
    return session;
}

ScriptInputOptions::ScriptInputOptions(bool gridRequired)
    : settings(u"settings"_s, u"Settings file (default: tavrolin.ini in the program folder)."_s,
               u"FILE"_s),
      grid(u"grid"_s,
           u"Grid texts, UTF-8: one line per row from row 0 (at most 12), the five cells "
           u"separated by TAB."_s +
               (gridRequired ? u" Required."_s : QString()),
           u"FILE"_s),
      drawings(u"drawings"_s,
               u"Drawing paths, UTF-8, one per line, after the DRAWING arguments; a relative "
               u"path is relative to the file's folder."_s,
               u"FILE"_s),
      now(u"now"_s, u"Local time of the date stamps, \"YYYY-MM-DD HH:MM:SS\" (default: now)."_s,
          u"TIME"_s),
      m_gridRequired(gridRequired)
{}

std::optional<QString> ScriptInputOptions::read(const QCommandLineParser &parser,
                                                ScriptInputs *inputs) const
{
    const bool gridGiven = parser.isSet(grid);
    if (m_gridRequired && !gridGiven)
        return QStringLiteral("--grid FILE を指定してください");
    inputs->settingsPath =
        parser.isSet(settings) ? parser.value(settings) : programFile(u"\\tavrolin.ini");
    QString error;
    if (gridGiven && !settingsFileReadable(inputs->settingsPath, &error))
        return QStringLiteral("設定ファイル %1 を読めません: %2").arg(inputs->settingsPath, error);
    inputs->drawings = parser.positionalArguments();
    inputs->namedDrawings = inputs->drawings.size();
    if (auto failure = readTime(parser, &inputs->now))
        return failure;
    if (gridGiven && !readGridTextFile(parser.value(grid), &inputs->grid.emplace(), &error))
        return error;
    if (parser.isSet(drawings)) {
        if (!readDrawingListFile(parser.value(drawings), &inputs->list, &error))
            return error;
        inputs->drawings += inputs->list.drawings;
    }
    return checkDrawings(*inputs);
}

std::optional<QString> ScriptInputOptions::readTime(const QCommandLineParser &parser,
                                                    QDateTime *time) const
{
    *time = QDateTime::currentDateTime();
    if (!parser.isSet(now))
        return std::nullopt;
    *time = QDateTime::fromString(parser.value(now), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!time->isValid())
        return QStringLiteral("--now は \"YYYY-MM-DD HH:MM:SS\" の形で指定してください: ") +
               parser.value(now);
    return std::nullopt;
}

} // namespace tavrolin
