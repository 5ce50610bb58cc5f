#include "scriptassembly.h"

#include "core/largetext.h"
#include "core/session.h"
#include "core/textinplace.h"
#include "generationview.h"
#include "rowlines.h"

namespace tavrolin {

namespace {

constexpr QStringView kLineEnd = u"\r\n";

} // namespace

ScriptAssembly::ScriptAssembly(Session &session, const RowLines &scrcmddata, GenerationView &view)
    : m_session(session), m_scrcmddata(scrcmddata), m_view(view)
{}

void ScriptAssembly::makeallscr(const QList<int> &rows, qint64 size)
{
    m_view.setPageEnabled(false);
    QString &text = m_session.ScriptText;
    text = QString();
    m_session.ScriptBlocks.clear();
    if (!rows.isEmpty()) {
        const QList<Piece> pieces = piecesOf(rows);
        reserveLargeText(text, size);
        m_session.ScriptBlocks.reserve(size_t(m_session.DrawingCount));
        for (drawingno = 0; drawingno < m_session.DrawingCount; ++drawingno) {
            m_session.ScriptBlocks.push_back(text.size() + kLineEnd.size());
            appendBlock(drawingno, pieces, text);
            m_view.progprocess(drawingno, m_session.DrawingCount);
            m_view.yieldToEventLoop();
        }
    }
    m_view.setPageEnabled(true);
}

bool ScriptAssembly::assemble(const QList<int> &rows, qint64 limit, const BlockSink &take) const
{
    if (rows.isEmpty())
        return true;
    const QList<Piece> pieces = piecesOf(rows);
    QString block;
    qint64 size = 0;
    for (int d = 0; d < m_session.DrawingCount; ++d) {
        block.truncate(0); // keeps the room of the longest block so far
        appendBlock(d, pieces, block);
        size += block.size();
        if (size > limit)
            return false;
        take(block);
    }
    return true;
}

// Lines that are the same for every drawing are counted once; the others are made, into one
// reused text.
qint64 ScriptAssembly::scriptSize(const QList<int> &rows) const
{
    if (rows.isEmpty())
        return 0;
    const int count = m_session.DrawingCount;
    qint64 size = 0;
    for (int d = 0; d < count; ++d)
        size += kLineEnd.size() + m_session.OpenCommands[d].size();
    QString line;
    for (const Piece &piece : piecesOf(rows)) {
        if (!piece.form) {
            size += qint64(count) * piece.fixed.size();
            continue;
        }
        for (int d = 0; d < count; ++d) {
            line.truncate(0);
            piece.form->appendLine(d, line);
            size += kLineEnd.size() + line.size();
        }
    }
    return size;
}

QList<ScriptAssembly::Piece> ScriptAssembly::piecesOf(const QList<int> &rows) const
{
    QList<Piece> pieces;
    for (const int row : rows) {
        const RowForm &form = m_scrcmddata.form(row);
        if (!form.isFixed()) {
            pieces.append(Piece{{}, &form});
            continue;
        }
        if (pieces.isEmpty() || pieces.last().form)
            pieces.append(Piece{});
        pieces.last().fixed += kLineEnd;
        pieces.last().fixed += form.fixedLine();
    }
    return pieces;
}

void ScriptAssembly::appendBlock(int drawing, const QList<Piece> &pieces, QString &text) const
{
    appendText(text, kLineEnd);
    appendText(text, m_session.OpenCommands[drawing]);
    for (const Piece &piece : pieces) {
        if (!piece.form) {
            appendText(text, piece.fixed);
            continue;
        }
        appendText(text, kLineEnd);
        piece.form->appendLine(drawing, text);
    }
}

} // namespace tavrolin
