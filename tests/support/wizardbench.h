#pragma once

#include "core/clock.h"
#include "core/session.h"
#include "pages/wizard/wizard.h"
#include "support/windowbench.h"

#include <QAbstractButton>
#include <QTest>

namespace tavrolin::test {

// A wizard on a window bench, with a clock fixed at 2000/05/06 15:00:16, for tests that drive
// the pages.
class WizardBench : public WindowBench
{
public:
    static QDateTime fixedNow() { return {QDate(2000, 5, 6), QTime(15, 0, 16)}; }

    WizardBench()
    {
        auto fixed = std::make_unique<FixedClock>(fixedNow());
        clock = fixed.get();
        setClock(std::move(fixed));
    }

    ~WizardBench() { setClock(nullptr); }

    Session &session() { return wizard.session(); }

    // Shows a page the way the wizard's buttons do and waits until it is the active window.
    PageWindow *show(PageId page)
    {
        wizard.go(nullptr, page);
        PageWindow *window = wizard.loaded(page);
        if (window && !QTest::qWaitForWindowActive(window))
            qWarning("the page did not become active");
        return window;
    }

    // A control of a loaded page, found by its name.
    template <typename Widget>
    Widget *control(PageId page, const char *name) const
    {
        PageWindow *window = wizard.loaded(page);
        return window ? window->findChild<Widget *>(QLatin1String(name)) : nullptr;
    }

    // Clicks a button of a loaded page with the mouse, as the user does.
    void click(PageId page, const char *button) const
    {
        QTest::mouseClick(control<QAbstractButton>(page, button), Qt::LeftButton);
    }

    bool isShown(PageId page) const
    {
        PageWindow *window = wizard.loaded(page);
        return window && window->isVisible();
    }

    FixedClock *clock = nullptr;
    Wizard wizard;
};

} // namespace tavrolin::test
