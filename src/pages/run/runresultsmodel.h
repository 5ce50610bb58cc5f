#pragma once

#include "runner/drawingresult.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <optional>
#include <vector>

namespace tavrolin {

// The drawings of a run in the run window, one row each, and how each stands: waiting, running,
// stopped by the user, ended with its result, or left out since an earlier run ended it ok (or,
// when only the failed drawings run again, since it never ran). A row changes alone, so 50 000 rows
// stay quick.
class RunResultsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Number, Drawing, Result, Seconds, Reason, ColumnCount };
    enum class State { Waiting, Running, Stopped, Ended, AlreadyOk, Left };

    explicit RunResultsModel(QObject *parent = nullptr);

    void reset(const QStringList &drawings);
    State state(int row) const { return m_rows[row].state; }
    // The result of an ended row; the default result otherwise.
    const DrawingResult &result(int row) const { return m_rows[row].result; }
    void setState(int row, State state);
    void setResult(int row, const DrawingResult &result);
    // Sets the state of every row whose state the function gives (none: unchanged), at once.
    template <typename Function>
    void setStates(Function stateOf);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row
    {
        State state = State::Waiting;
        DrawingResult result;
    };

    QString text(int row, int column) const;
    QString stateText(const Row &row) const;
    void changed(int row);

    QStringList m_drawings;
    std::vector<Row> m_rows;
};

template <typename Function>
void RunResultsModel::setStates(Function stateOf)
{
    for (int row = 0; row < int(m_rows.size()); ++row) {
        if (const std::optional<State> state = stateOf(row))
            m_rows[row].state = *state;
    }
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(int(m_rows.size()) - 1, ColumnCount - 1));
}

} // namespace tavrolin
