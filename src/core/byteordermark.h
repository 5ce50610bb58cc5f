#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringConverter>
#include <QStringList>
#include <optional>

namespace tavrolin {

// The mark a text editor may put at the start of a text file to say that it is UTF-8 or UTF-16.
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

// How a text file is stored, by the one rule for every text file the program reads (settings,
// comment template, grid file, drawing list): a byte-order mark decides; without one, bytes that
// are valid UTF-8 and hold a byte beyond ASCII are UTF-8, as Notepad saves a file; all others
// are in the ANSI code page, as `dir > list.txt` writes one. Japanese text in code page 932 is
// practically never valid UTF-8, so such files read as they always did.
struct TextStorage
{
    enum class Kind { Ansi, Utf8, Utf8Mark, Utf16Mark };
    Kind kind = Kind::Ansi;
    QStringConverter::Encoding encoding = QStringConverter::System; // of the Unicode kinds
    qsizetype markSize = 0;
};

TextStorage textStorage(QByteArrayView bytes);

// A text file's bytes as text, decoded by that rule. A mark is not part of the text; a U+FEFF
// after it is the text's own character.
QString decodeTextFile(QByteArrayView bytes);

// The lines of a text file's bytes, decoded by that rule: lines end in LF or CR LF, and the line
// end of the last line is optional; any other CR stays in its line. In the ANSI code page and in
// UTF-8 no byte of a character is a CR or an LF, so the bytes are cut into lines first and each
// line decoded into its own text, without the whole text held once more.
QStringList decodeTextLines(QByteArrayView bytes);

} // namespace tavrolin
