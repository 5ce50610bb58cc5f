#pragma once

#include <QByteArray>
#include <QFileInfo>
#include <QString>

namespace tavrolin {

// Reads what the check of the drawing list needs to know of one drawing file from a few of its
// bytes: whether it can be read, whether it holds a DWG or DXF drawing, the version mark of its
// format, and whether it is marked read-only. A DWG drawing's mark is its first six bytes; a DXF
// drawing's is its header's $ACADVER, read up to there and never further. The first few
// kilobytes, read in one go, hold either as programs write them.
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

    // The file's status comes from `info`, which may have it already.
    static Facts probeFile(const QFileInfo &info);

    // The state and version mark of a drawing file's whole content.
    static Facts probeBytes(const QByteArray &bytes);
};

} // namespace tavrolin
