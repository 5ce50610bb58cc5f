#pragma once

#include <QString>
#include <array>

namespace tavrolin {

constexpr int kGridRows = 12;
constexpr int kGridColumns = 5; // subject type, subject name, purpose type, purpose name, action

// Column indexes of a grid row.
enum GridColumn : int {
    SubjectType = 0,
    SubjectName = 1,
    PurposeType = 2,
    PurposeName = 3,
    Action = 4,
};

// The five cell texts of one grid row, in column order.
using GridRow = std::array<QString, kGridColumns>;

// Read access to the texts of the command grid's cells, rows 0 to 11, columns 0 to 4.
class GridTexts
{
public:
    virtual ~GridTexts() = default;
    virtual QString cellText(int row, int column) const = 0;

    GridRow rowTexts(int row) const
    {
        GridRow texts;
        for (int column = 0; column < kGridColumns; ++column)
            texts[column] = cellText(row, column);
        return texts;
    }
};

// Grid texts held in memory, for the headless command and for tests.
class GridTextTable : public GridTexts
{
public:
    QString cellText(int row, int column) const override { return m_cells[row][column]; }
    void setCellText(int row, int column, const QString &text) { m_cells[row][column] = text; }

private:
    std::array<std::array<QString, kGridColumns>, kGridRows> m_cells;
};

} // namespace tavrolin
