// Script generation as the headless script command runs it, in process, on fuzzed input files
// (see scriptcheck.h): the grid file opened into the grid through the settings file's lists,
// the grid page's forward step for the drawing list, and the script file's text with the
// comment block. The text holds one block per drawing, each starting with its drawing's open
// line. One session serves every input, as the wizard's serves every generation: an input sets
// its drawings, which voids the script before. The command's arguments, exit status and output
// file are fuzz_scriptcommand's; the grid and drawing list readers have targets of their own.

#include "cascade/gridcelltable.h"
#include "cascade/gridtextloader.h"
#include "core/byteordermark.h"
#include "core/clock.h"
#include "core/drawinglistfile.h"
#include "core/drawingpath.h"
#include "core/session.h"
#include "core/settingslookup.h"
#include "generation/commentblock.h"
#include "generation/generationview.h"
#include "generation/gridtextfile.h"
#include "generation/scriptgenerator.h"
#include "scriptcheck.h"

#include <optional>

using namespace tavrolin;

namespace {

// What is made of a part of the input, made again only when the part's bytes change: a
// mutation mostly changes one part, and the files the others are read from stay as they are.
template <typename Value>
class MadeOnChange
{
public:
    using Make = Value (*)(const QByteArray &bytes);
    explicit MadeOnChange(Make make) : m_make(make) {}

    const Value &operator()(const QByteArray &bytes)
    {
        if (!m_bytes || *m_bytes != bytes) {
            m_value = m_make(bytes);
            m_bytes = bytes;
        }
        return m_value;
    }

private:
    Make m_make;
    std::optional<QByteArray> m_bytes;
    Value m_value{};
};

QString settingsFile(const QByteArray &bytes)
{
    return fuzz::scratchCopy("tavrolin.ini", bytes);
}

// The grid as the command reads it from the grid file; nothing when it refuses the file.
std::optional<GridTextTable> gridFile(const QByteArray &bytes)
{
    GridTextTable grid;
    QString error;
    if (!readGridTextFile(fuzz::scratchCopy("grid.txt", bytes), &grid, &error))
        return std::nullopt;
    return grid;
}

// The drawings as the command reads them from the drawing list; nothing when it refuses them.
std::optional<QStringList> drawingList(const QByteArray &bytes)
{
    DrawingListFile list;
    QString error;
    if (!readDrawingListFile(fuzz::scratchCopy("drawings.txt", bytes), &list, &error) ||
        list.drawings.isEmpty() || list.drawings.size() > Session::kDrawingCapacity)
        return std::nullopt;
    for (const QString &drawing : std::as_const(list.drawings)) {
        if (!isDrawingPath(drawing) || !isScriptSafePath(drawing))
            return std::nullopt;
    }
    return list.drawings;
}

// The one session, its drawing list set as the drawing list page sets it.
Session &sessionFor(const QStringList &drawings)
{
    static Session session;
    session.DrawingCount = 0;
    for (const QString &path : drawings) {
        session.DrawingPaths[session.DrawingCount] = path;
        session.OpenCommands[session.DrawingCount] = openCommand(path);
        ++session.DrawingCount;
    }
    session.drawingListChanged();
    return session;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QDateTime now = QDateTime::fromString(QStringLiteral("2001-12-31 15:00:16"),
                                                       QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    static MadeOnChange<QString> settings(settingsFile);
    static MadeOnChange<std::optional<GridTextTable>> grids(gridFile);
    static MadeOnChange<std::optional<QStringList>> drawingLists(drawingList);

    const fuzz::ScriptInput input = fuzz::splitScriptInput(data, size);
    const std::optional<GridTextTable> &texts = grids(input.grid);
    const std::optional<QStringList> &drawings = drawingLists(input.drawings);
    if (!texts || !drawings)
        return 0;
    Session &session = sessionFor(*drawings);
    SettingsLookup lookup(settings(input.settings));
    GridCellTable grid;
    GridTextLoader(grid, lookup).load(*texts);
    GenerationView view;
    ScriptGenerator generator(session, lookup, grid, view);
    if (!generator.rowZeroDescribed())
        return 0;
    setClock(std::make_unique<FixedClock>(now));
    QString script;
    if (generator.generateInto([&script](QStringView block) { script += block; }) ==
        ScriptGenerator::Outcome::TooLarge)
        return 0;
    const QString comment =
        normaliseLineBreaks(initialCommentBlock(decodeTextFile(input.commentTemplate), now));
    fuzz::checkScriptText(scriptFileText(script, comment),
                          QStringList(session.OpenCommands.begin(),
                                      session.OpenCommands.begin() + session.DrawingCount),
                          ScriptGenerator::reachedRows(*texts));
    return 0;
}
