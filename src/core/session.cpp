#include "session.h"

namespace tavrolin {

// The arrays are allocated once at their full size and never resized.
Session::Session()
    : DrawingPaths(kDrawingSlots), OpenCommands(kDrawingSlots), ScriptLines(kDrawingSlots)
{}

} // namespace tavrolin
