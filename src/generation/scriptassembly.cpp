#include "scriptassembly.h"

#include "core/session.h"
#include "generationview.h"
#include "gridtexts.h"
#include "rowlines.h"

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

bool rowFilled(const GridTexts &grid, int row)
{
    return !grid.cellText(row, SubjectType).isEmpty();
}

} // namespace

ScriptAssembly::ScriptAssembly(Session &session, const RowLines &scrcmddata, const GridTexts &grid,
                               GenerationView &view)
    : m_session(session), m_scrcmddata(scrcmddata), m_grid(grid), m_view(view)
{}

int ScriptAssembly::scriptRowCount(const GridTexts &grid)
{
    int leading = 0;
    while (leading < kGridRows && rowFilled(grid, leading))
        ++leading;
    for (int row = leading; row < 4; ++row) {
        if (rowFilled(grid, row))
            return 0;
    }
    return leading;
}

void ScriptAssembly::makeallscr()
{
    m_view.setPageEnabled(false);
    m_session.ScriptText.clear();
    const int rowCount = scriptRowCount(m_grid);
    if (rowCount > 0) {
        for (drawingno = 0; drawingno < m_session.DrawingCount; ++drawingno) {
            assembleDrawing(rowCount);
            m_view.progprocess(drawingno, m_session.DrawingCount);
            m_view.yieldToEventLoop();
        }
    }
    m_view.setPageEnabled(true);
}

qint64 ScriptAssembly::scriptSize() const
{
    const int rowCount = scriptRowCount(m_grid);
    if (rowCount == 0)
        return 0;
    qint64 size = 0;
    for (int d = 0; d < m_session.DrawingCount; ++d) {
        size += kLineEnd.size() + m_session.OpenCommands[d].size();
        for (int row = 0; row < rowCount; ++row)
            size += kLineEnd.size() + m_scrcmddata.at(row, d + 1).size();
    }
    return size;
}

void ScriptAssembly::assembleDrawing(int rowCount)
{
    const int d = drawingno;
    QString block = m_session.OpenCommands[d];
    for (int row = 0; row < rowCount; ++row)
        block += kLineEnd + m_scrcmddata.at(row, d + 1);
    m_session.ScriptText += kLineEnd;
    m_session.ScriptText += block;
    m_session.ScriptLines[d] = std::move(block);
}

} // namespace tavrolin
