#pragma once

#include "settingsfinding.h"

namespace tavrolin {

class SettingsFile;

// Checks a settings file as the wizard reads it, for the mistakes that otherwise show only as
// an empty list, a row that ends too early or a wrong AutoCAD line: its storage, lines never
// read, the cascade's sections and keywords, and the shape of its lists. The findings come in
// line order, each once; those without a line come first. A file in code page 932 behind the
// mark of UTF-8 gets that one finding only: every name in it reads as other characters.
SettingsFindings checkSettings(const SettingsFile &file);

} // namespace tavrolin
