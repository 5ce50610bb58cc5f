#include "gridloader.h"

#include "cellpopulator.h"
#include "commandgrid.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <array>
#include <exception>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

const std::array<QString, kGridColumns> kColumnNames{u"主語の種類"_s, u"主語の名前"_s,
                                                     u"目的の種類"_s, u"目的の名前"_s, u"動作"_s};

QStringList itemsOf(const QComboBox &cell)
{
    QStringList items;
    for (int i = 0; i < cell.count(); ++i)
        items.append(cell.itemText(i));
    return items;
}

int lastTextColumn(const GridTexts &texts, int row)
{
    for (int column = kGridColumns - 1; column >= 0; --column) {
        if (!texts.cellText(row, column).isEmpty())
            return column;
    }
    return -1;
}

} // namespace

GridLoader::GridLoader(CommandGrid &grid, CellPopulator &populator)
    : m_grid(grid), m_populator(populator)
{}

QStringList GridLoader::load(const GridTexts &texts)
{
    const QList<Cell> before = capture();
    QStringList unoffered;
    try {
        clear();
        for (int row = 0; row < kGridRows; ++row)
            loadRow(texts, row, &unoffered);
    } catch (const std::exception &) {
        restore(before);
        throw;
    }
    return unoffered;
}

void GridLoader::loadRow(const GridTexts &texts, int row, QStringList *unoffered)
{
    const int last = lastTextColumn(texts, row);
    for (int column = 0; column <= last; ++column) {
        QComboBox *cell = m_grid.cell(row, column);
        const QString wanted = texts.cellText(row, column);
        if (!wanted.isEmpty() && cell->currentText() == wanted)
            continue;
        QStringList offered;
        if (cell->isEnabled())
            offered = m_populator.populateSilently(row, column);
        if (wanted.isEmpty() || cell->currentText() == wanted)
            continue;
        const QString where = u"%1段目 %2: %3"_s.arg(row + 1).arg(kColumnNames[column], wanted);
        if (!cell->isEnabled()) {
            unoffered->append(where + u"（この欄には入れられません）"_s);
            continue;
        }
        cell->setEditText(wanted);
        if (!offered.contains(wanted))
            unoffered->append(where);
    }
}

QList<GridLoader::Cell> GridLoader::capture() const
{
    QList<Cell> cells;
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const QComboBox *cell = m_grid.cell(row, column);
            cells.append({cell->currentText(), cell->isEnabled(), itemsOf(*cell)});
        }
    }
    return cells;
}

void GridLoader::restore(const QList<Cell> &cells)
{
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const Cell &saved = cells[row * kGridColumns + column];
            QComboBox *cell = m_grid.cell(row, column);
            const QSignalBlocker blocker(cell);
            cell->clear();
            cell->addItems(saved.items);
            cell->setCurrentIndex(-1);
            cell->setEditText(saved.text);
            cell->setEnabled(saved.enabled);
        }
    }
}

// An empty grid, as the page shows it first: every cell enabled and without text. The lists
// keep their entries, as lists of the grid always do until a cell refills its own.
void GridLoader::clear()
{
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            QComboBox *cell = m_grid.cell(row, column);
            cell->setEnabled(true);
            cell->setEditText(QString());
        }
    }
}

} // namespace tavrolin
