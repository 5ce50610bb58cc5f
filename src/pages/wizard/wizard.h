#pragma once

#include "core/shell/navigator.h"

#include <QPointer>
#include <array>
#include <memory>

namespace tavrolin {

class PageWindow;
class PreflightRunner;

// The wizard: owns the session and the check of its drawing list, and loads, hides and shows the
// pages.
class Wizard : public Navigator
{
public:
    // The page the program starts on.
    static constexpr PageId kStartPage = PageId::Welcome;

    Wizard();
    ~Wizard() override;

    Session &session() { return *m_session; }
    PreflightRunner &preflight() { return *m_preflight; }

    // Shows the start page in the middle of the screen.
    void start();

    // The page, when it is loaded and not closed.
    PageWindow *loaded(PageId page) const;

    QWidget *load(PageId page) override;
    void go(QWidget *from, PageId to) override;
    void showAbout() override;
    void showHelp() override;

private:
    PageWindow *create(PageId page);
    static void bringForward(QWidget *window);

    std::unique_ptr<Session> m_session;
    std::unique_ptr<PreflightRunner> m_preflight;
    std::array<QPointer<PageWindow>, 6> m_pages;
    QPointer<PageWindow> m_about;
    QPointer<PageWindow> m_help;
};

// Runs the wizard until its last window closes; returns the exit status.
int runWizard();

} // namespace tavrolin
