#include "scriptassembly.h"

#include "core/session.h"
#include "generationview.h"
#include "rowlines.h"

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

} // namespace

ScriptAssembly::ScriptAssembly(Session &session, const RowLines &scrcmddata, GenerationView &view)
    : m_session(session), m_scrcmddata(scrcmddata), m_view(view)
{}

void ScriptAssembly::makeallscr(const QList<int> &rows)
{
    m_view.setPageEnabled(false);
    m_session.ScriptText.clear();
    if (!rows.isEmpty()) {
        for (drawingno = 0; drawingno < m_session.DrawingCount; ++drawingno) {
            assembleDrawing(rows);
            m_view.progprocess(drawingno, m_session.DrawingCount);
            m_view.yieldToEventLoop();
        }
    }
    m_view.setPageEnabled(true);
}

qint64 ScriptAssembly::scriptSize(const QList<int> &rows) const
{
    if (rows.isEmpty())
        return 0;
    qint64 size = 0;
    for (int d = 0; d < m_session.DrawingCount; ++d) {
        size += kLineEnd.size() + m_session.OpenCommands[d].size();
        for (const int row : rows)
            size += kLineEnd.size() + m_scrcmddata.at(row, d + 1).size();
    }
    return size;
}

void ScriptAssembly::assembleDrawing(const QList<int> &rows)
{
    const int d = drawingno;
    QString block = m_session.OpenCommands[d];
    for (const int row : rows)
        block += kLineEnd + m_scrcmddata.at(row, d + 1);
    m_session.ScriptText += kLineEnd;
    m_session.ScriptText += block;
    m_session.ScriptLines[d] = std::move(block);
}

QString linesAfterOpening(const Session &session, int drawing)
{
    if (session.ScriptText.isEmpty())
        return {};
    const QString &block = session.ScriptLines[drawing];
    const qsizetype start = session.OpenCommands[drawing].size() + kLineEnd.size();
    return start < block.size() ? block.sliced(start) : QString();
}

} // namespace tavrolin
