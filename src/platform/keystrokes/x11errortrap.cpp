#include "x11errortrap.h"

#include <X11/Xlib.h>

namespace tavrolin {

namespace {

XErrorHandler previousHandler = nullptr;

int ignoreError(Display *, XErrorEvent *)
{
    return 0;
}

} // namespace

X11ErrorTrap::X11ErrorTrap()
{
    previousHandler = XSetErrorHandler(ignoreError);
}

X11ErrorTrap::~X11ErrorTrap()
{
    XSetErrorHandler(previousHandler);
}

} // namespace tavrolin
