// A minimal page that stands in for a wizard page or side window that is not built yet.

#include "standinpage.h"

#include "core/shell/layout.h"
#include "core/shell/shellservices.h"

#include <QLabel>
#include <QPushButton>

namespace tavrolin {

StandInPage::StandInPage(const PageContext &context, const QString &name, PageId self)
    : PageWindow(Kind::WizardPage)
{
    setClientSizeTwips(this, 6750, 2820);
    auto *label = new QLabel(name + QStringLiteral("（準備中）"), this);
    placeTwips(label, 240, 240, 6000, 375);
    addButton(QStringLiteral("＜戻る"), 3480, [this, context, self] {
        if (self != PageId::Welcome)
            context.navigator.go(this, static_cast<PageId>(static_cast<int>(self) - 1));
    });
    addButton(QStringLiteral("次へ＞"), 4560, [this, context, self] {
        if (self != PageId::Finish)
            context.navigator.go(this, static_cast<PageId>(static_cast<int>(self) + 1));
    });
    addButton(QStringLiteral("キャンセル"), 5640, [] { wizardcancel(); });
    frmtitleset();
}

template <typename Action>
void StandInPage::addButton(const QString &caption, int left, Action action)
{
    auto *button = new QPushButton(caption, this);
    placeTwips(button, left, 2400, 1095, 375);
    connect(button, &QPushButton::clicked, this, action);
}

PageWindow *createStandInSideWindow(int widthTwips, int heightTwips)
{
    auto *window = new PageWindow(PageWindow::Kind::SideWindow);
    setClientSizeTwips(window, widthTwips, heightTwips);
    frmtitleset();
    return window;
}

} // namespace tavrolin
