#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace tavrolin {

// Reads what the check of the drawing list needs to know of one drawing file from a few of its
// bytes: whether it can be read, whether it holds a DWG or DXF drawing, the version mark of its
// format, and whether it is marked read-only. A DWG drawing's mark is its first six bytes; a DXF
// drawing's is its header's $ACADVER, read up to there and never further.
class DrawingProbe
{
public:
    enum class State {
        Unreadable, // missing, or it cannot be opened
        NotAFile,   // a folder, device or pipe
        Empty,
        NoDrawing, // neither a DWG version mark nor a DXF section structure
        Dwg,
        Dxf, // ASCII or binary
    };

    struct Facts
    {
        State state = State::Unreadable;
        QString reason;         // why an unreadable file cannot be read, or what stands in
                                // place of a file, in Japanese
        QByteArray versionMark; // "AC1015"; empty when the drawing does not say
        bool readOnly = false;  // no write permission (the read-only attribute on Windows)
    };

    static Facts probeFile(const QString &path);

    // The content's state and version mark, read from the device's current position, which
    // must allow seeking back to it.
    static Facts probeContent(QIODevice &device);
};

} // namespace tavrolin
