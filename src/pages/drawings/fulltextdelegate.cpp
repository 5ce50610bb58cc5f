#include "fulltextdelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

namespace tavrolin {

FullTextDelegate::FullTextDelegate(QAbstractItemView *view)
    : QStyledItemDelegate(view), m_view(view)
{
    const QAbstractItemModel *model = view->model();
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { measure(first, last); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { m_widest = 0; });
    view->setTextElideMode(Qt::ElideNone);
}

void FullTextDelegate::measure(int first, int last)
{
    const QAbstractItemModel *model = m_view->model();
    const QFontMetrics metrics = m_view->fontMetrics();
    int widest = m_widest;
    for (int row = first; row <= last; ++row)
        widest = qMax(widest, metrics.horizontalAdvance(model->index(row, 0).data().toString()));
    if (widest == m_widest)
        return;
    m_widest = widest;
    emit sizeHintChanged(model->index(first, 0));
}

// The entry's own size, widened by what the widest entry's text needs beyond its own.
QSize FullTextDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const int text = option.fontMetrics.horizontalAdvance(index.data().toString());
    size.rwidth() += qMax(m_widest - text, 0);
    return size;
}

bool FullTextDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                 const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QString text = index.data(Qt::ToolTipRole).toString();
    if (text.isEmpty())
        text = index.data().toString();
    QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
    return true;
}

void FullTextDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->features |= QStyleOptionViewItem::HasDecoration;
}

} // namespace tavrolin
