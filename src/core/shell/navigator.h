#pragma once

class QWidget;

namespace tavrolin {

struct Session;
class PreflightRunner;

// The six wizard pages, in their order.
enum class PageId { Welcome, Drawings, Grid, Comment, Review, Finish };

// Moves between the wizard's pages. A page is loaded the first time it is needed and afterwards
// only hidden and shown, so it keeps its controls and data until the program ends.
class Navigator
{
public:
    virtual ~Navigator() = default;

    // Loads a page without showing it (its load runs now), when it is not loaded yet.
    virtual QWidget *load(PageId page) = 0;

    // Hides `from`, then shows `to` where `from` stood, loading it first when needed, and makes
    // it the active window.
    virtual void go(QWidget *from, PageId to) = 0;

    // The two side windows, not modal, beside the wizard; a second call brings the open one
    // forward.
    virtual void showAbout() = 0;
    virtual void showHelp() = 0;
};

// What every wizard page is built with: the session it shares with the other pages, the
// navigator that moves between them, and the check of the session's drawing list that they run
// in turn as they learn what it needs (the list, what the script saves, the release).
struct PageContext
{
    Session &session;
    Navigator &navigator;
    PreflightRunner &preflight;
};

} // namespace tavrolin
