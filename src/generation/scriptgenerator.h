#pragma once

#include "commandlinebuilder.h"
#include "rowlines.h"
#include "scriptassembly.h"
#include "scriptsaves.h"

#include <QList>
#include <QString>

namespace tavrolin {

struct Session;
class SettingsLookup;
class GridTexts;
class GenerationView;

// The grid page's forward step without its widgets: the summary pass over the grid rows
// (scrcodemakesum), the change test of GridSummary against PreviousGridSummary, and the script
// assembly when the grid changed. The script's rows are the rows the pass reaches, from the top
// to the first row without an action; a row whose keyword makes no line adds none.
class ScriptGenerator
{
public:
    ScriptGenerator(Session &session, SettingsLookup &lookup, const GridTexts &grid,
                    GenerationView &view);

    // False when row 0's subject type is empty: there is nothing to generate and the page says
    // "処理が記述されていません".
    bool rowZeroDescribed() const;

    // The number of rows the summary pass reaches: the rows from the top up to the first one
    // whose action is empty.
    static int reachedRows(const GridTexts &grid);

    // The first row below the reached ones that holds any text, which the script leaves out
    // although the user wrote it; -1 when there is none.
    static int firstUnusedRow(const GridTexts &grid);

    // "N段目から下は使われません。", rows counted from 1 as the user counts them.
    static QString unusedRowsMessage(int row);

    // Stores the summary and the line form of each reached row, and sets GridSummary to their
    // summaries joined.
    void scrcodemakesum();

    // The longest script, in characters, that generation builds: far above a real job (50 000
    // drawings of thirteen 400-character lines), while the script and its copies (script file
    // text, its bytes) still fit in memory.
    static constexpr qint64 kScriptSizeLimit = qint64(256) * 1024 * 1024;

    enum class Outcome {
        Unchanged, // the grid is as at the last generation: nothing done
        Rebuilt,   // ScriptText rebuilt and the summary remembered
        TooLarge,  // the script would pass kScriptSizeLimit: nothing built, nothing remembered
    };

    // Runs the summary pass and, when GridSummary differs from PreviousGridSummary, works out
    // the size of the script, then rebuilds ScriptText and remembers the summary when it fits.
    Outcome generateIfChanged();

    // Runs the summary pass and hands the script's blocks to `take` as they are made, building
    // neither ScriptText nor its block starts and remembering nothing: the script command
    // encodes the blocks as they come. TooLarge as for generateIfChanged, at the block that
    // would pass the limit, which is not handed on: the blocks taken so far are to be
    // discarded. The size is thus counted as the blocks are made, without a pass of its own.
    Outcome generateInto(const ScriptAssembly::BlockSink &take);

    // The refusal of a script that would be too large, with its size.
    QString tooLargeMessage() const;

    // A row's five cell texts joined by ",". A "," or "\" inside a text is preceded by "\", so
    // the summaries of different cells never read alike: "a,b" and "c" are not "a" and "b,c".
    static QString rowSummary(const GridTexts &grid, int row);

    // What the script's rows do with the files of the drawing list, worked out by the command
    // line builder as it builds their lines; dated save-as names carry the clock's date.
    ScriptSaves scriptSaves();

    RowLines scrcmddata;
    CommandLineBuilder builder;
    ScriptAssembly assembly;

private:
    void summariseRow(int row);

    Session &m_session;
    const GridTexts &m_grid;
    // The rows of the last pass that made lines, in order: the rows of the script.
    QList<int> m_scriptRows;
};

} // namespace tavrolin
