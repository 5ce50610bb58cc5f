#include "gridtextfile.h"

#include "core/byteordermark.h"
#include "core/drawingpath.h"
#include "core/filefailure.h"
#include "core/inputfile.h"
#include "core/outputfile.h"

namespace tavrolin {

namespace {

// A line of fewer cells than a row has ends its row: where its last cell is "終了", the row was
// finished there and its missing cells read "終了"; any other missing cell is empty.
QStringList rowCells(const QString &line)
{
    QStringList cells = line.split(u'\t');
    const QString missing = cells.last() == u"終了" ? cells.last() : QString();
    while (cells.size() < kGridColumns)
        cells.append(missing);
    return cells;
}

// The cells of the lines, or the reason they cannot be grid rows.
bool parseRows(const QStringList &lines, GridTextTable *grid, QString *reason)
{
    if (lines.size() > kGridRows) {
        *reason = QStringLiteral("%1行までです (%2行あります)").arg(kGridRows).arg(lines.size());
        return false;
    }
    GridTextTable parsed;
    bool anyText = false;
    for (int row = 0; row < lines.size(); ++row) {
        const QStringList cells = rowCells(lines[row]);
        if (cells.size() > kGridColumns) {
            *reason =
                QStringLiteral("%1行目のセルが%2個を超えています").arg(row + 1).arg(kGridColumns);
            return false;
        }
        for (int column = 0; column < kGridColumns; ++column) {
            if (holdsControlCharacter(cells[column])) {
                *reason = QStringLiteral("%1行目の%2番目のセルに制御文字があります")
                              .arg(row + 1)
                              .arg(column + 1);
                return false;
            }
            anyText = anyText || !cells[column].isEmpty();
            parsed.setCellText(row, column, cells[column]);
        }
    }
    if (!anyText) {
        *reason = QStringLiteral("どのセルにも文字がありません");
        return false;
    }
    *grid = parsed;
    return true;
}

// The rows up to the last one that holds any text, or the reason they cannot be written.
bool gridLines(const GridTexts &grid, QByteArray *bytes, QString *reason)
{
    int rows = 0;
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            if (!grid.cellText(row, column).isEmpty())
                rows = row + 1;
        }
    }
    for (int row = 0; row < rows; ++row) {
        QStringList cells;
        for (int column = 0; column < kGridColumns; ++column) {
            cells.append(grid.cellText(row, column));
            if (holdsControlCharacter(cells.last())) {
                *reason = QStringLiteral("%1段目の%2番目のセルに制御文字があります")
                              .arg(row + 1)
                              .arg(column + 1);
                return false;
            }
        }
        *bytes += cells.join(u'\t').toUtf8() + '\n';
    }
    return true;
}

} // namespace

bool readGridTextFile(const QString &path, GridTextTable *grid, QString *error)
{
    QStringList lines;
    QString reason;
    if (readTextLines(path, &lines, &reason) && parseRows(lines, grid, &reason))
        return true;
    *error = QStringLiteral("グリッドファイル %1 を読めません: %2").arg(messagePath(path), reason);
    return false;
}

bool writeGridTextFile(const QString &path, const GridTexts &grid, QString *error)
{
    QByteArray bytes;
    QString reason;
    if (gridLines(grid, &bytes, &reason) && writeOutputFile(path, utf8FileBytes(bytes), &reason))
        return true;
    *error =
        QStringLiteral("グリッドファイル %1 を保存できません: %2").arg(messagePath(path), reason);
    return false;
}

} // namespace tavrolin
