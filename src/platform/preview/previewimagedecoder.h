#pragma once

#include "previewresult.h"

#include <QByteArray>

namespace tavrolin {

// Turns the untrusted image bytes found in a drawing into a QImage. Headers are checked against
// the bytes really present and against the size limits before any pixel is decoded.
class PreviewImageDecoder
{
public:
    // A PNG file as stored whole.
    static PreviewResult decodePng(const QByteArray &bytes);
    // A packed DIB: BITMAPINFOHEADER, colour table and pixel rows, without a file header.
    static PreviewResult decodeDib(const QByteArray &bytes);
    // Either of the two, told apart by their first bytes; anything else is refused.
    static PreviewResult decodeSniffed(const QByteArray &bytes);
};

} // namespace tavrolin
