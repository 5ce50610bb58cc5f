// Stands in for this page until it is built.

#include "pages/standin/standinpage.h"
#include "pages/wizard/pagefactories.h"

namespace tavrolin {

PageWindow *createReviewPage(const PageContext &context)
{
    return new StandInPage(context, QStringLiteral("スクリプト確認"), PageId::Review);
}

} // namespace tavrolin
