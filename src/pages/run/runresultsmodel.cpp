#include "runresultsmodel.h"

#include <QBrush>
#include <QDir>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

using Outcome = DrawingResult::Outcome;

QColor colourOf(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Ok:
        return {0, 110, 0};
    case Outcome::Skipped:
        return {140, 100, 0};
    default:
        return {190, 0, 0};
    }
}

} // namespace

RunResultsModel::RunResultsModel(QObject *parent) : QAbstractTableModel(parent) {}

void RunResultsModel::reset(const QStringList &drawings)
{
    beginResetModel();
    m_drawings = drawings;
    m_rows.assign(drawings.size(), Row{});
    endResetModel();
}

void RunResultsModel::setState(int row, State state)
{
    m_rows[row].state = state;
    changed(row);
}

void RunResultsModel::setResult(int row, const DrawingResult &result)
{
    m_rows[row] = {State::Ended, result};
    changed(row);
}

void RunResultsModel::changed(int row)
{
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

int RunResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RunResultsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString RunResultsModel::stateText(const Row &row) const
{
    switch (row.state) {
    case State::Waiting:
        return u"待機中"_s;
    case State::Running:
        return u"実行中"_s;
    case State::Stopped:
        return u"中止"_s;
    case State::Ended:
        return DrawingResult::name(row.result.outcome);
    case State::AlreadyOk:
        return u"ok（前回）"_s;
    case State::Left:
        return u"実行しない"_s;
    }
    return {};
}

QString RunResultsModel::text(int row, int column) const
{
    const Row &entry = m_rows[row];
    switch (column) {
    case Number:
        return QString::number(row + 1);
    case Drawing:
        return QDir::toNativeSeparators(m_drawings[row]);
    case Result:
        return stateText(entry);
    case Seconds:
        return entry.state == State::Ended ? QString::number(entry.result.seconds, 'f', 1)
                                           : QString();
    case Reason:
        return entry.state == State::Ended ? entry.result.reason : QString();
    }
    return {};
}

QVariant RunResultsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Row &row = m_rows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::ToolTipRole:
        return index.column() == Reason || index.column() == Drawing
                   ? text(index.row(), index.column())
                   : QVariant();
    case Qt::ForegroundRole:
        if (index.column() == Result && row.state == State::Ended)
            return QBrush(colourOf(row.result.outcome));
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == Number || index.column() == Seconds)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant RunResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QStringList captions{u"番号"_s, u"図面"_s, u"結果"_s, u"秒"_s, u"理由"_s};
    return captions.value(section);
}

} // namespace tavrolin
