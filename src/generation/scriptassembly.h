#pragma once

#include <QList>
#include <QStringView>
#include <QtGlobal>
#include <functional>

namespace tavrolin {

struct Session;
class RowForm;
class RowLines;
class GenerationView;

// Joins the row lines into the script (makeallscr): one block per drawing, its open line and
// then the line of each given grid row in order, every line preceded by CR LF. Without rows
// there is nothing to run on any drawing, and the script is empty.
class ScriptAssembly
{
public:
    ScriptAssembly(Session &session, const RowLines &scrcmddata, GenerationView &view);

    // Builds ScriptText from the lines of `rows` in one allocation of `size` characters, what
    // scriptSize(rows) gives, and notes where each drawing's block starts.
    void makeallscr(const QList<int> &rows, qint64 size);

    // Hands the same text, drawing by drawing, to `take` without keeping it: a block (with the
    // line end before it) is valid only during the call. Stops, returning false, instead of
    // handing on the block that would take the text past `limit` characters.
    using BlockSink = std::function<void(QStringView block)>;
    bool assemble(const QList<int> &rows, qint64 limit, const BlockSink &take) const;

    // The number of characters makeallscr(rows) puts in ScriptText.
    qint64 scriptSize(const QList<int> &rows) const;

    // The drawing being assembled; the progress display shows it.
    int drawingno = 0;

private:
    // What the rows write into every block after its open line: a run of rows whose lines are
    // the same for every drawing is joined once, line ends included, into `fixed`; a row whose
    // line follows the drawing keeps its `form`.
    struct Piece
    {
        QString fixed;
        const RowForm *form = nullptr;
    };
    QList<Piece> piecesOf(const QList<int> &rows) const;
    void appendBlock(int drawing, const QList<Piece> &pieces, QString &text) const;

    Session &m_session;
    const RowLines &m_scrcmddata;
    GenerationView &m_view;
};

} // namespace tavrolin
