#pragma once

#include <QStringList>

namespace tavrolin {

// `tavrolin check [FILE]`: reads a settings file (default: tavrolin.ini in the program folder)
// as the wizard reads it and prints each problem found on a line of its own, with its line
// number, section and key. `arguments` are the words after "check". Returns the exit status:
// 0 nothing found, 1 problems found, 2 the file cannot be read or wrong usage.
int runCheckCommand(const QStringList &arguments);

} // namespace tavrolin
