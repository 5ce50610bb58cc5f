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

// Bounds that keep a hostile drawing from making us allocate much: no stored preview comes
// near them (the largest seen is 852 x 448 pixels, well under a megabyte).
inline constexpr int MaxPreviewSide = 4096;
inline constexpr qint64 MaxPreviewBytes = 64 * 1024 * 1024;

} // namespace tavrolin
