#include "session.h"

namespace tavrolin {

// The drawing arrays are allocated once at their full size and never resized.
Session::Session() : DrawingPaths(kDrawingSlots), OpenCommands(kDrawingSlots) {}

} // namespace tavrolin
