#pragma once

#include <QtGlobal>

namespace tavrolin {

struct Session;
class RowLines;
class GridTexts;
class GenerationView;

// Joins the stored row lines into the script (makeallscr): one block per drawing, its open line
// and then the line of each grid row in row order, every line preceded by CR LF.
class ScriptAssembly
{
public:
    ScriptAssembly(Session &session, const RowLines &scrcmddata, const GridTexts &grid,
                   GenerationView &view);

    void makeallscr();

    // The number of characters makeallscr would put in ScriptText, from the lines stored now.
    qint64 scriptSize() const;

    // The number of grid rows that go into the script, decided from the subject-type cells: the
    // leading run of filled rows; when that run is shorter than four rows, the rest of rows 0
    // to 3 must be empty, else no row goes in. 0 when row 0 is empty.
    static int scriptRowCount(const GridTexts &grid);

    // The drawing being assembled; the progress display shows it.
    int drawingno = 0;

private:
    void assembleDrawing(int rowCount);

    Session &m_session;
    const RowLines &m_scrcmddata;
    const GridTexts &m_grid;
    GenerationView &m_view;
};

} // namespace tavrolin
