#pragma once

#include <QStringList>

class QComboBox;

namespace tavrolin {

class SettingsLookup;

// Writes the values just looked up into a cell's drop-down list: entries 0 to the last filled
// entry of the lookup (never past entry 10), each overwriting the entry at its index or appended
// after the last one. The list is never cleared, so longer old contents stay behind the new
// entries, and the cell's own text stays as it was. Returns the entries written.
QStringList writeCellList(QComboBox &cell, const SettingsLookup &lookup);

} // namespace tavrolin
