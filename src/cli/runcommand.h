#pragma once

#include <QStringList>

namespace tavrolin {

// `tavrolin run`: runs the script that `tavrolin script` builds from the same inputs on the
// core console, drawing by drawing: each drawing gets its own script and console, several
// consoles run at a time, each with a time limit, and each drawing's result is appended to the
// results file, its output kept in a log. Progress and a summary go to standard error.
// `arguments` are the words after "run". Returns the exit status: 0 every drawing ok, 1 any
// drawing not ok, 2 the run cannot start.
int runRunCommand(const QStringList &arguments);

} // namespace tavrolin
