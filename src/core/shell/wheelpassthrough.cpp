#include "wheelpassthrough.h"

#include <QComboBox>
#include <QEvent>

namespace tavrolin {

void WheelPassThrough::install(QComboBox *box)
{
    box->installEventFilter(new WheelPassThrough(box));
}

// The box never sees the wheel; left unaccepted, the event travels on to the box's container.
bool WheelPassThrough::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tavrolin
