// Stands in for this window until it is built.

#include "pages/standin/standinpage.h"
#include "pages/wizard/pagefactories.h"

namespace tavrolin {

PageWindow *createAboutBox()
{
    return createStandInSideWindow(5115, 2070);
}

} // namespace tavrolin
