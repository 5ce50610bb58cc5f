#pragma once

#include <QComboBox>
#include <QString>
#include <QStringList>

namespace tavrolin::test {

// The entries of a combo box's list, in order.
inline QStringList comboItems(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

// A text as a plain text box shows it: the box separates its lines with line feeds only.
inline QString asShown(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

} // namespace tavrolin::test
