#pragma once

#include <QWidget>

namespace tavrolin {

// A top-level window of the program: one of the six wizard pages, the About box or the help
// browser. The loaded windows form the window collection that the shell services walk. A window
// is loaded when it is constructed and unloaded when it is closed, which also deletes it.
class PageWindow : public QWidget
{
    Q_OBJECT

public:
    enum class Kind {
        WizardPage, // closing one closes every window
        SideWindow, // the About box and the help browser close on their own, also by Escape
    };

    explicit PageWindow(Kind kind);

    Kind kind() const { return m_kind; }
    bool isClosing() const { return m_closing; }

    // The hourglass pointer while the page works; the arrow otherwise. A busy page lets the event
    // loop run but must not vanish under its own work, so a request to close it (its close box,
    // or the closing of every window) waits until the work is done.
    void setBusy(bool busy);

signals:
    // The window became the active window (each time, the first time included).
    void activated();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Kind m_kind;
    bool m_closing = false;
    bool m_busy = false;
    bool m_closeWhenDone = false;
};

} // namespace tavrolin
