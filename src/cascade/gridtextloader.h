#pragma once

#include "cellcascade.h"

#include <QList>
#include <QString>

namespace tavrolin {

class GridCells;
class GridTexts;
class SettingsLookup;

// A text of a grid file (or of the grid) that the settings file does not offer in its cell's
// list: typed in as it stands, or left out where the cascade closed the cell.
struct UnofferedText
{
    int row = 0;
    int column = 0;
    QString text;
    bool closed = false; // the cascade closed the cell with a text of its own

    // "2段目 主語の名前: L13", with a note when the cell was closed.
    QString line() const;
    // A blank in a script is an Enter: what follows it runs as AutoCAD's input.
    bool holdsBlank() const;
};

// Fills grid cells with given texts as the user would enter them: the grid starts empty, then
// row by row from the top, each row's cells from the left up to its last text, every cell is
// entered (its list filled from the current settings file and its column's rule applied) and
// given the text where the user could type it. A cell whose text the cascade has already set to
// the wanted text is not entered again, as the user sees the row finished. Each row then shows
// its texts as given: a cell that the cascade filled where the text given is empty is emptied
// and opened again. No row finishing is announced meanwhile.
class GridTextLoader
{
public:
    GridTextLoader(GridCells &cells, SettingsLookup &lookup);

    // Loads the texts and returns those that the cells' lists did not offer. A failure puts the
    // cells back as they were and goes on to the caller.
    QList<UnofferedText> load(const GridTexts &texts);

private:
    struct Cell
    {
        QString text;
        bool enabled = true;
        QStringList list;
    };

    QList<Cell> capture() const;
    void restore(const QList<Cell> &cells);
    void clear();
    void loadRow(const GridTexts &texts, int row, QList<UnofferedText> *unoffered);
    void showAsGiven(const GridTexts &texts, int row);

    GridCells &m_cells;
    CellCascade m_cascade;
};

// One message naming the texts of a grid file that the settings file does not offer, one line
// each.
QString unofferedTextsMessage(const QList<UnofferedText> &unoffered);

// The warning about typed texts with a blank in the first `rows` rows, the rows that go into
// the script; empty when there are none.
QString blankTextsWarning(const QList<UnofferedText> &unoffered, int rows);

} // namespace tavrolin
