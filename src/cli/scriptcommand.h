#pragma once

#include <QStringList>

namespace tavrolin {

// `tavrolin script`: builds, without any window, the bytes that the wizard writes to its working
// script file for the same drawing list, grid texts and comment template. `arguments` are the
// words after "script". Returns the exit status: 0 done, 1 the output could not be written,
// 2 bad input.
int runScriptCommand(const QStringList &arguments);

} // namespace tavrolin
