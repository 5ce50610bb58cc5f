#pragma once

#include "previewresult.h"

class QIODevice;

namespace tavrolin {

// Reads the THUMBNAILIMAGE section of an ASCII DXF drawing: the image is stored as hexadecimal
// text in 310 groups (after a 90 group with its byte count) and is a packed DIB or a PNG. The
// file is streamed pair by pair up to that section, so large drawings are never held whole.
class DxfThumbnailReader
{
public:
    static PreviewResult read(QIODevice &device);
};

} // namespace tavrolin
