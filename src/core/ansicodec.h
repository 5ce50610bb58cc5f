#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

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
