// Stands in for this page until it is built.

#include "pages/standin/standinpage.h"
#include "pages/wizard/pagefactories.h"

namespace tavrolin {

PageWindow *createWelcomePage(const PageContext &context)
{
    return new StandInPage(context, QStringLiteral("ようこそ"), PageId::Welcome);
}

} // namespace tavrolin
