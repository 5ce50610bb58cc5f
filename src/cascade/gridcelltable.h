#pragma once

#include "gridcells.h"

#include <array>

namespace tavrolin {

// Grid cells held in memory: every cell enabled, without text and without list at first, as
// the grid page shows its cells when it opens.
class GridCellTable : public GridCells
{
public:
    QString cellText(int row, int column) const override { return m_cells[row][column].text; }
    void setCellText(int row, int column, const QString &text) override
    {
        m_cells[row][column].text = text;
    }
    bool isCellEnabled(int row, int column) const override { return m_cells[row][column].enabled; }
    void setCellEnabled(int row, int column, bool enabled) override
    {
        m_cells[row][column].enabled = enabled;
    }
    QStringList cellList(int row, int column) const override { return m_cells[row][column].list; }
    void setCellList(int row, int column, const QStringList &entries) override
    {
        m_cells[row][column].list = entries;
    }

private:
    struct Cell
    {
        QString text;
        bool enabled = true;
        QStringList list;
    };

    std::array<std::array<Cell, kGridColumns>, kGridRows> m_cells;
};

} // namespace tavrolin
