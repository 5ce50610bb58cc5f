#pragma once

#include <QString>
#include <QStringList>

namespace tavrolin {

class CommandGrid;
class SettingsLookup;

// The focus handler of every grid cell: looks the cell's vocabulary up in the settings file
// under the text of a cell to its left, refills the cell's list, and applies the rule of its
// column: enabling the next cells, fixing the subject name to "すべて", or finishing the row
// with the message "この段は終了です". Rows 1 to 11 behave alike; row 0 finishes differently.
class CellPopulator
{
public:
    CellPopulator(CommandGrid &grid, SettingsLookup &lookup);

    // Runs the handler of the cell at row, column. Combo1, Combo10 and Combo15 report a failure
    // of their handler in a warning box; cells already changed stay changed.
    void populate(int row, int column);

    // Runs the handler as populate() does, for a grid that is being filled from a file: a
    // finished row is not announced, and a failure goes up to the caller, which puts the grid
    // back as it was. Returns the entries written into the cell's list.
    QStringList populateSilently(int row, int column);

private:
    QStringList runHandler(int row, int column);
    QStringList lookUp(int row, int column);

    void subjectTypeRule(int row);
    void subjectNameRule(int row, const QString &first);
    void purposeTypeRule(int row);
    void purposeNameRule(int row, const QString &first);
    void actionRule(int row, const QString &first, int score);

    void showRowFinished() const;
    void setCellText(int row, int column, const QString &text);
    void enableCell(int row, int column);
    void disableCell(int row, int column);

    CommandGrid &m_grid;
    SettingsLookup &m_lookup;
    bool m_silent = false;
};

} // namespace tavrolin
