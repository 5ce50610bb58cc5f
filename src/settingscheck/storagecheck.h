#pragma once

#include "settingsfinding.h"

namespace tavrolin {

class ProfileText;
class SettingsFile;

// True when a file without a byte-order mark holds UTF-8 text rather than the ANSI code page:
// the reader then takes every Japanese name for other characters.
bool isUnmarkedUtf8(const ProfileText &text);

// The file's storage: UTF-8 without a byte-order mark, the mark of UTF-8 before text in code page
// 932 (each of these two is the one finding), bytes that are no character of code page 932, and, in
// a file behind a byte-order mark, characters that code page 932 cannot write (the reader takes
// them as '?'). Comment lines are not looked at, except as evidence of UTF-8.
SettingsFindings checkStorage(const SettingsFile &file);

} // namespace tavrolin
