#pragma once

#include <QByteArray>
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

// The bytes of a text file in UTF-8: the text's own, behind the mark of UTF-8 when the text
// starts with U+FEFF, which a reader would otherwise take for the mark and drop.
QByteArray utf8FileBytes(const QByteArray &utf8);

// A text file's bytes as text: UTF-8 or UTF-16 after their mark, else decoded from the ANSI code
// page. The mark itself is not part of the text.
QString decodeTextFile(QByteArrayView bytes);

} // namespace tavrolin
