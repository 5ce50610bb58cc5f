#include "celllist.h"

#include "core/settingslookup.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace tavrolin {

QStringList writeCellList(QComboBox &cell, const SettingsLookup &lookup)
{
    // Rewriting the entry that is current would replace the typed text, and the first entry
    // added to an empty list would become current: the cell keeps no current entry and gets its
    // text back afterwards.
    const QSignalBlocker blocker(&cell);
    const QString text = cell.currentText();
    QStringList written;
    for (int entry = 0; entry <= lookup.lastFilledEntry(); ++entry) {
        const QString &value = lookup.listdata[entry];
        if (entry < cell.count())
            cell.setItemText(entry, value);
        else
            cell.addItem(value);
        written.append(value);
    }
    cell.setCurrentIndex(-1);
    cell.setEditText(text);
    return written;
}

} // namespace tavrolin
