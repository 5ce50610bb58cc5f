#pragma once

#include <QImage>
#include <QList>
#include <QPainter>

namespace tavrolin {

// Draws the clip that the drawing list page plays while it imports: sheets of paper that fly,
// turning over, from an open folder on the left into an open folder on the right. Frames are
// drawn without anti-aliasing in a small fixed palette and loop seamlessly.
class FileCopyAnimation
{
public:
    static constexpr int Width = 200;
    static constexpr int Height = 32;
    static constexpr int FrameCount = 16;
    static constexpr quint32 MicrosecondsPerFrame = 66667; // 15 frames per second

    // The frames as 8-bit indexed images sharing one palette.
    static QList<QImage> frames();

private:
    static QImage frame(int index);
    static void drawFolderBack(QPainter *painter, int left);
    static void drawFolderFront(QPainter *painter, int left);
    static void drawSheet(QPainter *painter, double progress);
};

} // namespace tavrolin
