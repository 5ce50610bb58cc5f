#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace tavrolin {

// Builds RIFF chunks: a four-character id, the data's size as a little-endian 32-bit number,
// the data, and a pad byte after data of odd length.
class RiffWriter
{
public:
    static QByteArray chunk(QByteArrayView id, QByteArrayView data);
    // A "RIFF" or "LIST" chunk: its list type followed by the chunks in body.
    static QByteArray list(QByteArrayView id, QByteArrayView type, QByteArrayView body);
    // Appends a little-endian number.
    static void appendU32(QByteArray *out, quint32 value);
    static void appendU16(QByteArray *out, quint16 value);
};

} // namespace tavrolin
