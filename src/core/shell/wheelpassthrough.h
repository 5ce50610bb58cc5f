#pragma once

#include <QObject>

class QComboBox;

namespace tavrolin {

// Keeps the mouse wheel from changing a drop-down list's text. Over the closed box the wheel
// passes on to the control that holds it, as over any other spot of the window, so it scrolls
// whatever scrolls there; the text changes only by a pick from the open list or by typing.
class WheelPassThrough : public QObject
{
    Q_OBJECT

public:
    static void install(QComboBox *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit WheelPassThrough(QObject *parent) : QObject(parent) {}
};

} // namespace tavrolin
