#pragma once

#include "cascade/gridcells.h"

#include <QFrame>
#include <QList>
#include <array>

class QComboBox;

namespace tavrolin {

// The command grid (Frame1): twelve rows of five editable drop-down cells, subject type, subject
// name, purpose type, purpose name and action. It knows which cell is which row and column,
// places the cells, and reports each cell that the user moves into and each text the user
// changes. What the cascade writes into a cell is no change by the user.
class CommandGrid : public QFrame, public GridCells
{
    Q_OBJECT

public:
    explicit CommandGrid(QWidget *parent);

    QComboBox *cell(int row, int column) const { return m_cells[row][column]; }
    QString cellText(int row, int column) const override;
    void setCellText(int row, int column, const QString &text) override;
    bool isCellEnabled(int row, int column) const override;
    void setCellEnabled(int row, int column, bool enabled) override;
    QStringList cellList(int row, int column) const override;
    void setCellList(int row, int column, const QStringList &entries) override;

    // The cells in the order in which the Tab key visits them: row by row from the top, each
    // row from left to right.
    QList<QComboBox *> tabOrder() const;

    // The control name of a cell: the named cells of row 0, then Combo1 to Combo55.
    static QString cellName(int row, int column);

signals:
    // The user moved into a cell, by mouse or by keyboard; its list is to be refilled.
    void cellEntered(int row, int column);
    // The user changed a cell's text, by typing or by picking an entry of its list.
    void cellEdited(int row, int column);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox *createCell(int row, int column);
    void emitEntered(const QObject *cell);

    std::array<std::array<QComboBox *, kGridColumns>, kGridRows> m_cells{};
    // The cell that holds the page's focus, also while another window is active.
    const QObject *m_current = nullptr;
    // The grid itself is writing a cell's text or list, so a change of the text is not the
    // user's.
    bool m_writing = false;
};

} // namespace tavrolin
