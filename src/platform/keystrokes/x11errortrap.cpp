#include "x11errortrap.h"

#include <X11/Xlib.h>

namespace tavrolin {

namespace {

int errors = 0;
XErrorHandler previousHandler = nullptr;

int countError(Display *, XErrorEvent *)
{
    ++errors;
    return 0;
}

} // namespace

X11ErrorTrap::X11ErrorTrap()
{
    errors = 0;
    previousHandler = XSetErrorHandler(countError);
}

X11ErrorTrap::~X11ErrorTrap()
{
    XSetErrorHandler(previousHandler);
}

int X11ErrorTrap::errorCount() const
{
    return errors;
}

} // namespace tavrolin
