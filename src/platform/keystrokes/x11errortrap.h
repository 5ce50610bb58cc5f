#pragma once

namespace tavrolin {

// Xlib reports protocol errors (a window that vanished between the search and its activation,
// a focus request on an unmapped window) through a process-wide handler whose default ends the
// program. While a trap exists they are ignored, since the sender checks the outcome that matters
// (the window has the focus) itself; the previous handler comes back when the trap goes away.
// Used on the user-interface thread only.
class X11ErrorTrap
{
public:
    X11ErrorTrap();
    ~X11ErrorTrap();
    X11ErrorTrap(const X11ErrorTrap &) = delete;
    X11ErrorTrap &operator=(const X11ErrorTrap &) = delete;
};

} // namespace tavrolin
