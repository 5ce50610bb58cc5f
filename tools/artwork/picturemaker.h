#pragma once

#include <QImage>

namespace tavrolin {

// Composes the program's pictures: the window icon at one size, the welcome picture and the
// finish picture, at the pixel sizes that their pages show.
class PictureMaker
{
public:
    static constexpr int WelcomeWidth = 121;  // 1815 twips at 96 dpi
    static constexpr int WelcomeHeight = 121; // 1815 twips
    static constexpr int FinishWidth = 129;   // 1935 twips
    static constexpr int FinishHeight = 121;  // 1815 twips

    static QImage windowIcon(int size);
    static QImage welcomePicture();
    static QImage finishPicture();
};

} // namespace tavrolin
