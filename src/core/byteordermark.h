#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringConverter>
#include <optional>

namespace tavrolin {

// The mark a text editor may put at the start of a text file to say that it is UTF-8 or UTF-16.
// Files without one are in the ANSI code page.
struct ByteOrderMark
{
    QStringConverter::Encoding encoding;
    qsizetype size; // bytes of the mark itself
};

// The mark at the start of the bytes, if any.
std::optional<ByteOrderMark> byteOrderMark(QByteArrayView bytes);

// A text file's bytes as text: UTF-8 or UTF-16 after their mark, else decoded from the ANSI code
// page. The mark itself is not part of the text.
QString decodeTextFile(QByteArrayView bytes);

} // namespace tavrolin
