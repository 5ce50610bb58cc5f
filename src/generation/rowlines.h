#pragma once

#include "gridtexts.h"

#include <QString>
#include <array>
#include <vector>

namespace tavrolin {

// The generated lines of the twelve grid rows (scrcmddata): for row r, entry 0 holds the row's
// summary and entry d + 1 the command line that the row contributes to drawing d. Allocated once
// at full size; nothing clears it, so a row that a run does not build keeps its earlier lines,
// which the assembly then does not read.
class RowLines
{
public:
    RowLines();

    QString &at(int row, int index) { return m_rows[row][index]; }
    const QString &at(int row, int index) const { return m_rows[row][index]; }

private:
    std::array<std::vector<QString>, kGridRows> m_rows;
};

} // namespace tavrolin
