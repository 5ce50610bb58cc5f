#pragma once

#include "previewresult.h"

class QIODevice;

namespace tavrolin {

// Reads the preview block of a DWG drawing of release 13 or later. The header's address points
// to the block; its directory gives the absolute position and size of each stored image. Only
// those few ranges are read, so the device must allow seeking.
class DwgPreviewReader
{
public:
    static PreviewResult read(QIODevice &device);
};

} // namespace tavrolin
