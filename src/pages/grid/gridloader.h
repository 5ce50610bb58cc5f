#pragma once

#include <QStringList>

namespace tavrolin {

class CellPopulator;
class CommandGrid;
class GridTexts;

// Fills the command grid with the texts of a grid file as the user would enter them: the grid
// starts empty, then row by row from the top, each row's cells from the left up to its last
// text, every cell is entered (its list filled from the current settings file and its column's
// rule applied) and given the file's text where the user could type it. A cell whose text the
// cascade has already set to the file's text is not entered again, as the user sees the row
// finished. No "この段は終了です" is shown meanwhile.
class GridLoader
{
public:
    GridLoader(CommandGrid &grid, CellPopulator &populator);

    // Loads the texts and returns, one line each, those that the cell's list did not offer:
    // typed in as they stand, or left out where the cascade closed the cell. A failure puts the
    // grid back as it was and goes on to the caller.
    QStringList load(const GridTexts &texts);

private:
    struct Cell
    {
        QString text;
        bool enabled = true;
        QStringList items;
    };

    QList<Cell> capture() const;
    void restore(const QList<Cell> &cells);
    void clear();
    void loadRow(const GridTexts &texts, int row, QStringList *unoffered);

    CommandGrid &m_grid;
    CellPopulator &m_populator;
};

} // namespace tavrolin
