#include "gridtextloader.h"

#include "gridcells.h"

#include <array>
#include <exception>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

const std::array<QString, kGridColumns> kColumnNames{u"主語の種類"_s, u"主語の名前"_s,
                                                     u"目的の種類"_s, u"目的の名前"_s, u"動作"_s};

int lastTextColumn(const GridTexts &texts, int row)
{
    for (int column = kGridColumns - 1; column >= 0; --column) {
        if (!texts.cellText(row, column).isEmpty())
            return column;
    }
    return -1;
}

QStringList linesOf(const QList<UnofferedText> &texts)
{
    QStringList lines;
    for (const UnofferedText &text : texts)
        lines.append(text.line());
    return lines;
}

} // namespace

QString UnofferedText::line() const
{
    const QString where = u"%1段目 %2: %3"_s.arg(row + 1).arg(kColumnNames[column], text);
    return closed ? where + u"（この欄には入れられません）"_s : where;
}

bool UnofferedText::holdsBlank() const
{
    return text.contains(u' ') || text.contains(u'\t');
}

GridTextLoader::GridTextLoader(GridCells &cells, SettingsLookup &lookup)
    : m_cells(cells), m_cascade(cells, lookup)
{}

QList<UnofferedText> GridTextLoader::load(const GridTexts &texts)
{
    const QList<Cell> before = capture();
    QList<UnofferedText> unoffered;
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

void GridTextLoader::loadRow(const GridTexts &texts, int row, QList<UnofferedText> *unoffered)
{
    const int last = lastTextColumn(texts, row);
    for (int column = 0; column <= last; ++column) {
        const QString wanted = texts.cellText(row, column);
        if (!wanted.isEmpty() && m_cells.cellText(row, column) == wanted)
            continue;
        QStringList offered;
        if (m_cells.isCellEnabled(row, column))
            offered = m_cascade.enter(row, column);
        if (wanted.isEmpty() || m_cells.cellText(row, column) == wanted)
            continue;
        if (!m_cells.isCellEnabled(row, column)) {
            unoffered->append({row, column, wanted, true});
            continue;
        }
        m_cells.setCellText(row, column, wanted);
        if (!offered.contains(wanted))
            unoffered->append({row, column, wanted, false});
    }
    showAsGiven(texts, row);
}

void GridTextLoader::showAsGiven(const GridTexts &texts, int row)
{
    for (int column = 0; column < kGridColumns; ++column) {
        if (!texts.cellText(row, column).isEmpty() || m_cells.cellText(row, column).isEmpty())
            continue;
        m_cells.setCellText(row, column, QString());
        m_cells.setCellEnabled(row, column, true);
    }
}

QList<GridTextLoader::Cell> GridTextLoader::capture() const
{
    QList<Cell> cells;
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            cells.append({m_cells.cellText(row, column), m_cells.isCellEnabled(row, column),
                          m_cells.cellList(row, column)});
        }
    }
    return cells;
}

void GridTextLoader::restore(const QList<Cell> &cells)
{
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const Cell &saved = cells[row * kGridColumns + column];
            m_cells.setCellList(row, column, saved.list);
            m_cells.setCellText(row, column, saved.text);
            m_cells.setCellEnabled(row, column, saved.enabled);
        }
    }
}

// An empty grid, as the page shows it first: every cell enabled and without text. The lists
// keep their entries until a cell is entered.
void GridTextLoader::clear()
{
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            m_cells.setCellEnabled(row, column, true);
            m_cells.setCellText(row, column, QString());
        }
    }
}

QString unofferedTextsMessage(const QList<UnofferedText> &unoffered)
{
    return u"グリッドファイルの次の文字は、今の設定ファイルの一覧にありません。\n"_s +
           linesOf(unoffered).join(u'\n');
}

QString blankTextsWarning(const QList<UnofferedText> &unoffered, int rows)
{
    QList<UnofferedText> blank;
    for (const UnofferedText &text : unoffered) {
        if (text.row < rows && !text.closed && text.holdsBlank())
            blank.append(text);
    }
    if (blank.isEmpty())
        return {};
    return u"次の入力された文字には空白があります。スクリプトでは空白が Enter になり、"
           u"その後ろは AutoCAD のコマンドとして実行されます。\n"_s +
           linesOf(blank).join(u'\n');
}

} // namespace tavrolin
