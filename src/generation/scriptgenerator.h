#pragma once

#include "commandlinebuilder.h"
#include "rowlines.h"
#include "scriptassembly.h"
#include "scriptsaves.h"

#include <QString>

namespace tavrolin {

struct Session;
class SettingsLookup;
class GridTexts;
class GenerationView;

// The grid page's forward step without its widgets: the summary pass over the grid rows
// (scrcodemakesum), the change test of GridSummary against PreviousGridSummary, and the script
// assembly when the grid changed.
class ScriptGenerator
{
public:
    ScriptGenerator(Session &session, SettingsLookup &lookup, const GridTexts &grid,
                    GenerationView &view);

    // False when row 0's subject type is empty: there is nothing to generate and the page says
    // "処理が記述されていません".
    bool rowZeroDescribed() const;

    // Stores the summary of each row up to the first one whose action is empty, rebuilds those
    // rows' lines, and sets GridSummary to the twelve stored summaries joined.
    void scrcodemakesum();

    // The longest script, in characters, that generation builds: far above a real job (50 000
    // drawings of thirteen 400-character lines), while the script and its copies (block lines,
    // script file text, its bytes) still fit in memory.
    static constexpr qint64 kScriptSizeLimit = qint64(256) * 1024 * 1024;

    enum class Outcome {
        Unchanged, // the grid is as at the last generation: nothing done
        Rebuilt,   // ScriptText rebuilt and the summary remembered
        TooLarge,  // the script would pass kScriptSizeLimit: nothing built, nothing remembered
    };

    // Runs the summary pass and, when GridSummary differs from PreviousGridSummary, works out
    // the size of the script, then rebuilds ScriptText and remembers the summary when it fits.
    Outcome generateIfChanged();

    // The refusal of a script that would be too large, with its size.
    QString tooLargeMessage() const;

    // A row's five cell texts joined by ",".
    static QString rowSummary(const GridTexts &grid, int row);

    // The number of grid rows whose lines the script holds: the leading rows that the summary
    // pass reaches (up to the first empty action), as far as the assembly takes rows.
    int scriptRows() const;

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
    GenerationView &m_view;
};

} // namespace tavrolin
