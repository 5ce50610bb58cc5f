#pragma once

#include "clip.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace tavrolin {

// Reads the silent AVI clips that the drawing list page plays while it imports: one video
// stream of 8-bit palettised frames, uncompressed or RLE8, and nothing else. The file is treated
// as untrusted: every size is checked, frames are limited in size, and anything unexpected is
// refused with a short description of what is wrong.
class ClipReader
{
public:
    static constexpr int MaxSide = 4096;
    // Eleven minutes at 15 frames a second; the shipped clip has 16 frames.
    static constexpr int MaxFrames = 10000;
    // The decoded frames, each counted with FrameOverheadBytes besides its pixels: the image
    // object and its bookkeeping, which dominate for tiny frames.
    static constexpr qint64 MaxDecodedBytes = 64 * 1024 * 1024;
    static constexpr qint64 FrameOverheadBytes = 1024;

    static std::optional<Clip> read(QByteArrayView file, QString *error);
    // Reads the clip at path; the error text starts with the file's name.
    static std::optional<Clip> readFile(const QString &path, QString *error);
};

} // namespace tavrolin
