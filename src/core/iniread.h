#pragma once

#include <QByteArrayView>
#include <QString>

namespace tavrolin {

// Longest value, in bytes of the ANSI code page, that a lookup returns; longer values are cut.
constexpr int kIniValueLimit = 1023;

// Returns the value of `key` in section `section` of the settings file at `path`, as the
// platform's private-profile reader gives it: section and key matched without regard to letter
// case and blanks around them, the first section and the first key of that name winning, blanks
// around the value dropped and one pair of matching quotes around it removed, the value cut to
// kIniValueLimit bytes without splitting a double-byte character. The file is read afresh at
// every call, decoded by the rule of every text file (textStorage): a code page 932 file reads
// exactly as the platform's reader reads it, a UTF-8 or UTF-16 one as the same text would.
// A missing file, section or key gives the empty text, and so does a file that readInputFile
// refuses (not a regular file, unreadable, too large); nothing is reported.
QString iniread(const QString &path, const QString &section, const QString &key);

// True when the settings file can be read; otherwise says why in *reason. Every lookup in a file
// that cannot be read gives the empty text, so whoever must not go on with empty lists asks here.
bool settingsFileReadable(const QString &path, QString *reason);

class ProfileText;

// A section or key name as the reader matches it: without blanks around it, and through the
// ANSI code page (a character the code page lacks takes part as '?'). Matching then ignores
// letter case.
QString profileName(const QString &name);

// True when a section or key name as the file writes it (its bytes) is the name looked for, as
// the reader matches them.
bool profileNameMatches(const ProfileText &profile, QByteArrayView name, const QString &wanted);
// The same for a name looked for that is already as profileName gives it.
bool profileNameIs(const ProfileText &profile, QByteArrayView name, const QString &looked);

// The value a lookup returns for a key line's value as written (blanks around it removed).
QString profileValue(const ProfileText &profile, QByteArrayView rawValue);

// The same lookup in a file's text already read.
QString iniread(const ProfileText &profile, const QString &section, const QString &key);

} // namespace tavrolin
