#pragma once

#include <QByteArrayView>

namespace tavrolin {

// What the first bytes of a file say about the drawing it holds: a DWG drawing starts with its
// version mark ("AC1015": "AC" and four digits or dots), a binary DXF drawing with its sentinel.
// An ASCII DXF drawing has no mark of its own; only its group structure tells it.
class DrawingSignature
{
public:
    static constexpr qsizetype VersionMarkSize = 6;
    static constexpr QByteArrayView BinaryDxfSentinel{"AutoCAD Binary DXF"};

    static bool isDwg(QByteArrayView head);
    static bool isBinaryDxf(QByteArrayView head) { return head.startsWith(BinaryDxfSentinel); }
};

} // namespace tavrolin
