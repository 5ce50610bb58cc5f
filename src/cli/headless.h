#pragma once

#include <QStringList>

namespace tavrolin {

// True when the command line asks for a headless sub-command ("script", "preview", "check",
// "preflight", "run") or for --help / --version, which run without any window.
bool isHeadlessCommand(const QStringList &arguments);

// Runs a headless command under a QCoreApplication; returns the exit status.
int runHeadlessCommand(const QStringList &arguments);

} // namespace tavrolin
