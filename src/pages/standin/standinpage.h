#pragma once

#include "core/shell/navigator.h"
#include "core/shell/pagewindow.h"

namespace tavrolin {

// A minimal wizard page with back, next and cancel, standing in for a page that is not built
// yet, so the wizard can be walked from start to end.
class StandInPage : public PageWindow
{
public:
    StandInPage(const PageContext &context, const QString &name, PageId self);

private:
    template <typename Action>
    void addButton(const QString &caption, int left, Action action);
};

// A side window standing in for the About box or the help browser.
PageWindow *createStandInSideWindow(int widthTwips, int heightTwips);

} // namespace tavrolin
