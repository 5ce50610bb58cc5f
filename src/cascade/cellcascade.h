#pragma once

#include <QStringList>
#include <functional>

namespace tavrolin {

class GridCells;
class SettingsLookup;

// The rules of the grid's cells. When the user moves into a cell, it looks its vocabulary up in
// the settings file under the text of a cell to its left, replaces its list with it, and applies
// the rule of its column: enabling the next cells, fixing the subject name to "すべて", or
// finishing the row. When the user changes a cell's text, the cells of its row whose lists were
// looked up under that text are emptied and opened again. Rows 1 to 11 behave alike; row 0
// finishes differently.
class CellCascade
{
public:
    // `announceFinished` runs where a row is finished ("この段は終了です"); it may be empty.
    CellCascade(GridCells &cells, SettingsLookup &lookup,
                std::function<void()> announceFinished = {});

    // Runs the rule of the cell that the user moved into. Returns the entries written into its
    // list.
    QStringList enter(int row, int column);

    // The user changed the text of the cell: the cells that depended on the old text are
    // emptied and enabled.
    void textChanged(int row, int column);

private:
    QStringList lookUp(int row, int column);

    void subjectTypeRule(int row);
    void subjectNameRule(int row, const QString &first);
    void purposeTypeRule(int row);
    void purposeNameRule(int row, const QString &first);
    void actionRule(int row, const QString &first, int score);

    void announceFinished() const;

    GridCells &m_cells;
    SettingsLookup &m_lookup;
    std::function<void()> m_announceFinished;
};

} // namespace tavrolin
