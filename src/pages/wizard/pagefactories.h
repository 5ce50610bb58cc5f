#pragma once

#include "core/shell/navigator.h"

namespace tavrolin {

class PageWindow;

// Each page's folder builds its window (its load runs in the constructor).
PageWindow *createWelcomePage(const PageContext &context);
PageWindow *createDrawingsPage(const PageContext &context);
PageWindow *createGridPage(const PageContext &context);
PageWindow *createCommentPage(const PageContext &context);
PageWindow *createReviewPage(const PageContext &context);
PageWindow *createFinishPage(const PageContext &context);
PageWindow *createAboutBox();
PageWindow *createHelpBrowser();

} // namespace tavrolin
