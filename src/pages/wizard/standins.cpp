// Minimal stand-ins for the windows that are not built yet, so the wizard can be walked from
// start to end. Each is replaced by its real page.

#include "core/shell/layout.h"
#include "core/shell/pagewindow.h"
#include "core/shell/shellservices.h"
#include "pagefactories.h"

#include <QLabel>
#include <QPushButton>

namespace tavrolin {

namespace {

class StandInPage : public PageWindow
{
public:
    StandInPage(const PageContext &context, const QString &name, PageId self)
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

private:
    template <typename Action>
    void addButton(const QString &caption, int left, Action action)
    {
        auto *button = new QPushButton(caption, this);
        placeTwips(button, left, 2400, 1095, 375);
        connect(button, &QPushButton::clicked, this, action);
    }
};

} // namespace

PageWindow *createWelcomePage(const PageContext &context)
{
    return new StandInPage(context, QStringLiteral("ようこそ"), PageId::Welcome);
}

PageWindow *createDrawingsPage(const PageContext &context)
{
    return new StandInPage(context, QStringLiteral("図面リスト"), PageId::Drawings);
}

PageWindow *createGridPage(const PageContext &context)
{
    return new StandInPage(context, QStringLiteral("コマンド"), PageId::Grid);
}

PageWindow *createCommentPage(const PageContext &context)
{
    return new StandInPage(context, QStringLiteral("コメント"), PageId::Comment);
}

PageWindow *createReviewPage(const PageContext &context)
{
    return new StandInPage(context, QStringLiteral("スクリプト確認"), PageId::Review);
}

PageWindow *createFinishPage(const PageContext &context)
{
    return new StandInPage(context, QStringLiteral("終了"), PageId::Finish);
}

PageWindow *createAboutBox()
{
    auto *window = new PageWindow(PageWindow::Kind::SideWindow);
    setClientSizeTwips(window, 5115, 2070);
    frmtitleset();
    return window;
}

PageWindow *createHelpBrowser()
{
    auto *window = new PageWindow(PageWindow::Kind::SideWindow);
    setClientSizeTwips(window, 10605, 4350);
    frmtitleset();
    return window;
}

} // namespace tavrolin
