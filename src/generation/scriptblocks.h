#pragma once

#include <QString>

namespace tavrolin {

struct Session;

// Drawing d's block of the generated script (0 to DrawingCount - 1): its open line and the line
// of each of the script's rows, joined by CR LF; empty when the script has no blocks.
QString scriptBlock(const Session &session, int drawing);

// The lines the script runs on drawing d once it is open: its block without the open line and
// the line end after it.
QString drawingCommands(const Session &session, int drawing);

} // namespace tavrolin
