#pragma once

#include <QImage>
#include <QString>

namespace tavrolin {

// The preview picture stored in a drawing, or a null image and the reason why there is none.
struct PreviewResult
{
    QImage image;
    QString error;

    bool hasImage() const { return !image.isNull(); }

    static PreviewResult fromImage(const QImage &image) { return {image, {}}; }
    static PreviewResult failure(const QString &reason) { return {{}, reason}; }
};

// Bounds that keep a hostile drawing from making us allocate or inflate much: no stored preview
// comes near them (the largest seen is 852 x 448 pixels, well under a megabyte). A picture may
// be a long strip, but its area is bounded too: decoding 2 M pixels takes milliseconds.
inline constexpr int MaxPreviewSide = 4096;
inline constexpr qint64 MaxPreviewPixels = qint64(1) << 21;
inline constexpr qint64 MaxPreviewBytes = 64 * 1024 * 1024;

// True when a picture of that width and height is within the bounds.
inline bool isPreviewSize(qint64 width, qint64 height)
{
    return width > 0 && width <= MaxPreviewSide && height > 0 && height <= MaxPreviewSide &&
           width * height <= MaxPreviewPixels;
}

} // namespace tavrolin
