#pragma once

#include "settingsfinding.h"

namespace tavrolin {

class SettingsFile;
class SettingsVocabulary;

// The shape of every list the wizard reads: more than ten values (the rest is dropped), a last
// value longer than twenty characters (it is cut), empty values, blanks around values, a
// full-width comma where a comma was meant, a value longer than the reader returns; and lists
// that end the row by accident: a purpose-name or action list that starts with "終了" but offers
// more, an action list holding a value that ends the row.
SettingsFindings checkLists(const SettingsFile &file, const SettingsVocabulary &vocabulary);

} // namespace tavrolin
