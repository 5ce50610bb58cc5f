#pragma once

#include <QByteArray>
#include <QString>

namespace tavrolin::test {

// What a program printed for a person, as it reads it back: messages into a pipe are in the
// system's 8-bit encoding (code page 932 on a Japanese Windows) with that system's line ends.
inline QString printedText(const QByteArray &bytes)
{
    return QString::fromLocal8Bit(bytes).remove(u'\r');
}

} // namespace tavrolin::test
