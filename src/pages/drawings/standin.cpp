// Stands in for this page until it is built.

#include "pages/standin/standinpage.h"
#include "pages/wizard/pagefactories.h"

namespace tavrolin {

PageWindow *createDrawingsPage(const PageContext &context)
{
    return new StandInPage(context, QStringLiteral("図面リスト"), PageId::Drawings);
}

} // namespace tavrolin
