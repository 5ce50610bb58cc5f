#pragma once

#include <QString>

namespace tavrolin {

struct Session;

// Drawing d's block of the generated script (0 to DrawingCount - 1): its open line and the line
// of each of the script's rows, joined by CR LF; empty when the script has no blocks.
QString scriptBlock(const Session &session, int drawing);

// Drawing d's lines of the generated script without the line that opens it, joined by CR LF as
// the script joins them: what a program that opens the drawing by other means runs on it. Empty
// when no script was generated or the block holds the open line alone.
QString drawingCommands(const Session &session, int drawing);

} // namespace tavrolin
