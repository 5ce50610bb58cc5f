#pragma once

#include "previewresult.h"

class QIODevice;

namespace tavrolin {

// Reads the THUMBNAILIMAGE section of an ASCII DXF drawing: the image is stored as hexadecimal
// text in 310 groups (after a 90 group with its byte count) and is a packed DIB or a PNG. The
// section is normally the last one, so a large file's last megabyte is searched first; failing
// that, the file is streamed pair by pair from its start. A drawing is never held whole. The
// device must allow seeking.
class DxfThumbnailReader
{
public:
    static PreviewResult read(QIODevice &device);
};

} // namespace tavrolin
