#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace tavrolin {

// Window layouts are given in twips: 1440 to the inch, so 15 to a logical pixel at 96 dpi.
constexpr int twips(int value)
{
    return value >= 0 ? (value + 7) / 15 : -((-value + 7) / 15);
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

// Places a child widget at left, top, width, height given in twips.
void placeTwips(QWidget *widget, int left, int top, int width, int height);

// Fixes a window's client area to width × height twips.
void setClientSizeTwips(QWidget *window, int width, int height);

// The Japanese user-interface font: "ＭＳ Ｐゴシック" where it is installed, otherwise a user
// interface font of a Japanese Windows or the platform's Japanese font, at the given point size.
QFont japaneseFont(qreal pointSize, bool bold = false);

} // namespace tavrolin
