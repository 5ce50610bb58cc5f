#pragma once

#include "core/shell/pagewindow.h"

class QAction;
class QComboBox;
class QTimer;
class QToolBar;

namespace tavrolin {

class HelpView;

// The help browser: shows the program's help pages, starting at the help home page, with an
// address box to type or pick an address and buttons to step back and forward through the pages
// seen. It closes on its own; the wizard goes on.
class frmBrowser : public PageWindow
{
    Q_OBJECT

public:
    frmBrowser();

private:
    void buildControls();
    void buildToolBar();
    void load();
    void navigate(const QUrl &address);
    void navigateToAddressText();
    void stepHistory(bool forward);
    void timTimerTimer();

    QString m_startingAddress;
    QToolBar *m_tbToolBar = nullptr;
    QComboBox *m_cboAddress = nullptr;
    HelpView *m_brwWebBrowser = nullptr;
    QTimer *m_timTimer = nullptr;
};

} // namespace tavrolin
