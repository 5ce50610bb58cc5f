#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

namespace tavrolin {

// Shows every entry of a list whole, however long: each row is as wide as the widest entry, so
// the list scrolls sideways to the end of any entry and nothing is cut short with "…"; resting
// the mouse on an entry shows its whole text as a tooltip, or the entry's own tooltip when it
// has one. The widest entry is measured as the entries arrive, so all rows can share one size,
// which a list of tens of thousands of entries needs to stay fast. Every row keeps room for an
// icon before its text, so texts line up whether an entry carries an icon or not.
class FullTextDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // Serves the view and follows the entries of its model.
    explicit FullTextDelegate(QAbstractItemView *view);

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    void measure(int first, int last);

    QAbstractItemView *m_view;
    int m_widest = 0; // the widest entry's text, in pixels of the view's font
};

} // namespace tavrolin
