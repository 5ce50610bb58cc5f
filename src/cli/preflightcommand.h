#pragma once

#include <QStringList>

namespace tavrolin {

// `tavrolin preflight`: checks the drawings of a list, without any window, for what would stop
// or derail a script at them, and prints one line per finding: its code, the drawing's path and
// a message in Japanese, separated by TAB, in list order. It reads the same inputs as `tavrolin
// script`. `arguments` are the words after "preflight". Returns the exit status: 0 nothing
// found, 1 findings, 2 bad input.
int runPreflightCommand(const QStringList &arguments);

} // namespace tavrolin
