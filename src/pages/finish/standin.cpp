// Stands in for this page until it is built.

#include "pages/standin/standinpage.h"
#include "pages/wizard/pagefactories.h"

namespace tavrolin {

PageWindow *createFinishPage(const PageContext &context)
{
    return new StandInPage(context, QStringLiteral("終了"), PageId::Finish);
}

} // namespace tavrolin
