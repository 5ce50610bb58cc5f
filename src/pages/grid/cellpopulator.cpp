#include "cellpopulator.h"

#include "commandgrid.h"
#include "core/shell/messagebox.h"

#include <exception>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

// The cells whose handler reports its own failures: Combo1, Combo10 and Combo15.
bool reportsFailure(int row, int column)
{
    return (row == 1 && column == SubjectType) || ((row == 2 || row == 3) && column == Action);
}

void showRowFinished()
{
    showMessage(u"この段は終了です"_s, InformationNotice);
}

} // namespace

CellPopulator::CellPopulator(CommandGrid &grid, SettingsLookup &lookup)
    : m_cascade(grid, lookup, showRowFinished)
{}

void CellPopulator::populate(int row, int column)
{
    if (!reportsFailure(row, column)) {
        m_cascade.enter(row, column);
        return;
    }
    try {
        m_cascade.enter(row, column);
    } catch (const std::exception &failure) {
        showFailure(failure);
    }
}

void CellPopulator::edited(int row, int column)
{
    m_cascade.textChanged(row, column);
}

} // namespace tavrolin
