#pragma once

#include <QString>
#include <cstdio>

namespace tavrolin {

// Gives the headless sub-commands the console of the command prompt they were started from.
// On Windows the program is a windowed one, so that Explorer opens no console beside the
// wizard; a sub-command then attaches to its parent's console for each standard stream that
// the caller did not redirect to a file or pipe. Elsewhere the streams are already there.
void useParentConsole();

// Writes a message meant for a person to stdout or stderr: into a Windows console as Unicode
// characters, which read right whatever the console's code page; into a file or pipe in the
// system's 8-bit encoding (code page 932 on a Japanese Windows, UTF-8 elsewhere).
void writeConsoleText(std::FILE *stream, const QString &text);

} // namespace tavrolin
