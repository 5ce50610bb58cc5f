#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace tavrolin {

// Frames for the clip tests: 8-bit indexed images in a palette of 16 distinct colours, and a
// readable text form of their pixel indices.
class TestClips
{
public:
    enum class Pattern {
        Stripes, // runs of three equal indices, shifted by one each frame
        Random,  // neighbours often differ: absolute runs of every length
        Solid,   // one index per frame: long runs
    };

    static QList<QRgb> palette();
    static QList<QImage> frames(QSize size, int count, Pattern pattern);
    // The pixel indices, top row first, one hexadecimal digit a pixel, rows joined by '|'.
    static QString rows(const QImage &frame);
    // The frame whose rows() are text.
    static QImage fromRows(const QString &text);
};

} // namespace tavrolin
