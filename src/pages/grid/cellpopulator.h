#pragma once

#include "cascade/cellcascade.h"

namespace tavrolin {

class CommandGrid;
class SettingsLookup;

// The handlers of the grid's cells on the page: the cascade's rules when the user moves into a
// cell, announced with the message "この段は終了です" where a row is finished, and when the user
// changes a cell's text.
class CellPopulator
{
public:
    CellPopulator(CommandGrid &grid, SettingsLookup &lookup);

    // Runs the handler of the cell at row, column. Combo1, Combo10 and Combo15 report a failure
    // of their handler in a warning box; cells already changed stay changed.
    void populate(int row, int column);

    // The user changed the cell's text: the cells that depended on it are emptied.
    void edited(int row, int column);

private:
    CellCascade m_cascade;
};

} // namespace tavrolin
