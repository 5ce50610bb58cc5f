#pragma once

#include "settingsfinding.h"

namespace tavrolin {

class SettingsFile;
class SettingsVocabulary;

// Whether the cascade can go on where the lists lead: the two fixed sections and their lists,
// the section of each subject type (with its purpose types) and of each purpose type (with its
// purpose names and a command keyword the line builder knows); a DXF purpose type's name and its
// DXF command; the purpose names of the save-as and zoom keywords, which must be one of their two
// forms.
SettingsFindings checkCascade(const SettingsFile &file, const SettingsVocabulary &vocabulary);

} // namespace tavrolin
