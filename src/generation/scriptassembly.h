#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

namespace tavrolin {

struct Session;
class RowLines;
class GenerationView;

// Joins the stored row lines into the script (makeallscr): one block per drawing, its open line
// and then the line of each given grid row in order, every line preceded by CR LF.
class ScriptAssembly
{
public:
    ScriptAssembly(Session &session, const RowLines &scrcmddata, GenerationView &view);

    // Builds ScriptText from the lines of `rows`. Without rows there is nothing to run on any
    // drawing, and the script stays empty.
    void makeallscr(const QList<int> &rows);

    // The number of characters makeallscr(rows) would put in ScriptText.
    qint64 scriptSize(const QList<int> &rows) const;

    // The drawing being assembled; the progress display shows it.
    int drawingno = 0;

private:
    void assembleDrawing(const QList<int> &rows);

    Session &m_session;
    const RowLines &m_scrcmddata;
    GenerationView &m_view;
};

// Drawing d's lines of the generated script without the line that opens it, joined by CR LF as
// the script joins them: what a program that opens the drawing by other means runs on it. Empty
// when no script was generated.
QString linesAfterOpening(const Session &session, int drawing);

} // namespace tavrolin
