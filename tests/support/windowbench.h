#pragma once

#include "core/shell/messagebox.h"
#include "core/shell/pagewindow.h"
#include "core/shell/shellservices.h"
#include "support/testprogramfolder.h"

#include <QCoreApplication>

namespace tavrolin::test {

// Windows on a test program folder of their own, with every message box answered and recorded:
// the ground of every test that opens the program's windows.
class WindowBench
{
public:
    WindowBench() = default;
    WindowBench(const WindowBench &) = delete;
    WindowBench &operator=(const WindowBench &) = delete;

    // The open window with that object name, or nullptr.
    static PageWindow *window(const QString &name)
    {
        for (PageWindow *window : windowCollection()) {
            if (window->objectName() == name)
                return window;
        }
        return nullptr;
    }

    // Closes every window as the program's end does; true when none is left behind.
    static bool closeAll()
    {
        frmallunload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return windowCollection().isEmpty();
    }

    TestProgramFolder folder;
    ScriptedMessages messages;
};

} // namespace tavrolin::test
