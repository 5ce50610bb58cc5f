#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <cstring>

// The system's 8-bit ANSI code page, in which the settings file, the comment template and the
// script files are stored. On Windows it is the system's code page; elsewhere it is code page 932
// with Microsoft's table, the code page of the Japanese vocabulary.
namespace tavrolin::ansi {

// Bytes to text. A byte sequence that is no character becomes U+30FB, the code page's default.
QString decode(QByteArrayView bytes);

// Text to bytes. A character that the code page cannot hold is written as '?'; the number of
// such characters is added to *unrepresentable when it is given.
QByteArray encode(QStringView text, qsizetype *unrepresentable = nullptr);

// Appends the text's bytes, as encode() makes them, to `bytes`: a long text is encoded piece by
// piece into one array, without a whole copy of it.
void appendEncoded(QStringView text, QByteArray &bytes, qsizetype *unrepresentable = nullptr);

// True when every byte is below 0x80: ASCII, which every code page writes alike. Looked at eight
// bytes at a time, since whole list files go through it.
inline bool isAscii(QByteArrayView bytes)
{
    constexpr quint64 kHighBits = 0x8080808080808080ULL;
    qsizetype i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        quint64 eight;
        std::memcpy(&eight, bytes.data() + i, sizeof eight);
        if (eight & kHighBits)
            return false;
    }
    for (; i < bytes.size(); ++i) {
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            return false;
    }
    return true;
}

// True when the byte starts a double-byte character.
bool isLeadByte(unsigned char byte);

// True when every character of the text survives encode() unchanged.
inline bool canEncode(QStringView text)
{
    qsizetype lost = 0;
    encode(text, &lost);
    return lost == 0;
}

} // namespace tavrolin::ansi
