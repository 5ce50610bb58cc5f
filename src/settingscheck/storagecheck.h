#pragma once

#include "settingsfinding.h"

namespace tavrolin {

class ProfileText;
class SettingsFile;

// The file's storage: UTF-8 without a byte-order mark (read as UTF-8; information, no problem),
// the mark of UTF-8 before text in code page 932 (then the one finding), bytes that are no
// character of code page 932, and, in a UTF-8 or UTF-16 file, characters that code page 932
// cannot write (the reader takes them as '?'). Comment lines are not looked at.
SettingsFindings checkStorage(const SettingsFile &file);

} // namespace tavrolin
