#pragma once

#include "core/shell/savedialog.h"

#include <QCoreApplication>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

namespace tavrolin::test {

// Rolls the mouse wheel by whole notches (positive: away from the user, up) over a point of a
// window, delivered as the window system's wheel is: to the widget under the point first, then
// on to its containers until one takes it. (An event sent by hand stops at its first receiver.)
inline void rollWheel(QWidget *window, QPoint at, int notches)
{
    QWidget *target = window->childAt(at);
    for (target = target ? target : window; target; target = target->parentWidget()) {
        QWheelEvent event(target->mapFrom(window, at), window->mapToGlobal(at), QPoint(),
                          QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        event.ignore();
        const bool handled = QCoreApplication::sendEvent(target, &event);
        if ((handled && event.isAccepted()) || target->isWindow())
            return;
    }
}

// Presses Ctrl+key on the window, as the user asks to keep its contents in a file (Ctrl+S) or to
// open one (Ctrl+O), and answers the file dialog that follows with `file`.
inline void pressForFile(ScriptedSaveDialog &dialog, QWidget *window, Qt::Key key,
                         const QString &file)
{
    dialog.queueFileName(file);
    QTest::keyClick(window, key, Qt::ControlModifier);
}

} // namespace tavrolin::test
