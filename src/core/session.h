#pragma once

#include "workingscriptfile.h"

#include <QString>
#include <vector>

namespace tavrolin {

// The state the wizard's pages hand to one another, from start to exit. Only the drawing list
// page writes the drawing list (DrawingPaths, OpenCommands, DrawingCount), and each change of it
// voids the script generated so far; generation writes the script and the grid summaries; the
// comment page writes CommentText; the review page takes the working script file.
struct Session
{
    // Slots of the drawing arrays, indexes 0 to 50 000. A list holds at most kDrawingCapacity
    // drawings, so that the row lines of drawing d, kept at index d + 1, always have a slot.
    static constexpr int kDrawingSlots = 50001;
    static constexpr int kDrawingCapacity = kDrawingSlots - 1;

    Session();

    // Entry d is the full path of drawing d, in the order in which the drawings were accepted.
    std::vector<QString> DrawingPaths;
    // Entry d is the script line that opens drawing d. Entries from DrawingCount on may hold the
    // lines of an earlier, longer list; every reader stays below DrawingCount.
    std::vector<QString> OpenCommands;
    // Entry d is where drawing d's block starts in ScriptText, after the line end before it;
    // empty when the script is. The blocks are read through generation/scriptblocks.h.
    std::vector<qsizetype> ScriptBlocks;
    // The number of drawings in the list (a count, not the last index).
    int DrawingCount = 0;

    // The drawing list changed: the script, built for the old list, no longer matches it. The
    // grid page's next forward step generates anew, as after a change of the grid.
    void drawingListChanged() { PreviousGridSummary.clear(); }

    QString ScriptText;
    QString CommentText;
    QString GridSummary;
    // The grid summary for which ScriptText was built from the current drawing list; empty when
    // no script matches them. A summary is never empty once a row was summarised, so an empty
    // one differs from any grid that was ever generated.
    QString PreviousGridSummary;

    // This running copy's working script file: written on the review page's forward step,
    // handed to AutoCAD by the finish page.
    WorkingScriptFile WorkingScript;
};

} // namespace tavrolin
