#include "scriptinputs.h"

#include "core/drawinglistfile.h"
#include "core/drawingpath.h"
#include "core/filefailure.h"
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
    : settings(u"settings"_s, u"設定ファイル（省略時はプログラムのフォルダーの tavrolin.ini）。"_s,
               u"ファイル"_s),
      grid(u"grid"_s,
           (gridRequired ? u"グリッドファイル（必須）: "_s : u"グリッドファイル: "_s) +
               u"0 段目から 1 段 1 行（12 行まで）、5 つの欄をタブで区切ります。"_s,
           u"ファイル"_s),
      drawings(u"drawings"_s,
               u"図面リスト: 1 行に図面のパス 1 つ（相対パスはそのファイルのフォルダーから）。"
               u"図面の引数の後に続きます。"_s,
               u"ファイル"_s),
      now(u"now"_s, u"日付と時刻の記録に使う現地時刻 \"YYYY-MM-DD HH:MM:SS\"（省略時は現在）。"_s,
          u"日時"_s),
      m_gridRequired(gridRequired)
{}

std::optional<QString> ScriptInputOptions::read(const QCommandLineParser &parser,
                                                ScriptInputs *inputs) const
{
    const bool gridGiven = parser.isSet(grid);
    if (m_gridRequired && !gridGiven)
        return QStringLiteral("--grid でグリッドファイルを指定してください");
    inputs->settingsPath =
        parser.isSet(settings) ? parser.value(settings) : programFile(u"\\tavrolin.ini");
    QString error;
    if (gridGiven && !settingsFileReadable(inputs->settingsPath, &error))
        return QStringLiteral("設定ファイル %1 を読めません: %2")
            .arg(messagePath(inputs->settingsPath), error);
    inputs->drawings = parser.positionalArguments();
    inputs->namedDrawings = inputs->drawings.size();
    if (auto failure = readTime(parser, &inputs->now))
        return failure;
    if (gridGiven && !readGridTextFile(parser.value(grid), &inputs->grid.emplace(), &error))
        return error;
    if (parser.isSet(drawings)) {
        if (!readDrawingListFile(parser.value(drawings), &inputs->list, &error))
            return error;
        if (inputs->drawings.isEmpty())
            inputs->drawings = inputs->list.drawings; // shared, not copied
        else
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
