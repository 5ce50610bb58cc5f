#pragma once

#include "settingsfinding.h"

namespace tavrolin {

class SettingsFile;
class SettingsVocabulary;

// Lines that the reader never reads as meant: a second section of a name or a second key of a
// name in a section (the first one wins), key lines before the first section, sections that no
// list of the cascade leads to; section headers in full-width brackets and full-width equals
// signs, wherever they stand; and in a section that the wizard reads, keys other than name, type
// and type2 (misspelt ones) and lines without an equals sign. Comment lines are passed over.
SettingsFindings checkStructure(const SettingsFile &file, const SettingsVocabulary &vocabulary);

} // namespace tavrolin
