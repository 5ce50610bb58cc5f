#pragma once

#include "settingsfinding.h"

namespace tavrolin {

class SettingsFile;
class SettingsVocabulary;

// Lines that the reader never reads: a second section of a name or a second key of a name in a
// section (the first one wins), key lines before the first section, and sections that no list
// of the cascade leads to. Comment lines are passed over.
SettingsFindings checkStructure(const SettingsFile &file, const SettingsVocabulary &vocabulary);

} // namespace tavrolin
