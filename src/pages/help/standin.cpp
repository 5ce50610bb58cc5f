// Stands in for this window until it is built.

#include "pages/standin/standinpage.h"
#include "pages/wizard/pagefactories.h"

namespace tavrolin {

PageWindow *createHelpBrowser()
{
    return createStandInSideWindow(10605, 4350);
}

} // namespace tavrolin
