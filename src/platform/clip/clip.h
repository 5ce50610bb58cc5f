#pragma once

#include <QImage>
#include <QList>

namespace tavrolin {

// A decoded animation clip: every frame as a palettised image of the same size, and the time
// each frame stays on screen.
struct Clip
{
    QList<QImage> frames;
    quint32 microsecondsPerFrame = 0;
};

} // namespace tavrolin
