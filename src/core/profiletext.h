#pragma once

#include "byteordermark.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace tavrolin {

// A settings file's text as the private-profile reader sees it, and the syntax of its lines.
// The file's storage is told by the rule of every text file (see textStorage). UTF-16 files are
// turned into UTF-8 first; UTF-8 and the ANSI code page both keep the ASCII punctuation of the
// format ('[', ']', '=', blanks, line ends) as single bytes, so one scanner serves both. A file
// in the ANSI code page reads exactly as the platform's private-profile reader reads it. The
// settings reader and the settings check share it, so both see the same lines.
class ProfileText
{
public:
    // How the file's bytes were stored: in the ANSI code page, as UTF-8 without a byte-order
    // mark, or behind a mark.
    using Storage = TextStorage::Kind;

    // One non-empty line, without the blanks around it, and its number from 1 (CR LF, CR and
    // LF each end one line).
    struct Line
    {
        QByteArrayView text;
        int number = 0;
    };

    // A line that is no section header: the key before '=' and the value after it, both without
    // the blanks around them. A line without '=' is a key with no value.
    struct KeyLine
    {
        QByteArrayView key;
        std::optional<QByteArrayView> value;
    };

    ProfileText() = default;
    // The file's text; a file that readInputFile refuses (missing, not a regular file,
    // unreadable, too large) reads as an empty text.
    static ProfileText load(const QString &path);
    static ProfileText fromBytes(const QByteArray &bytes);

    Storage storage() const { return m_storage; }
    bool isUtf8() const { return m_storage != Storage::Ansi; }
    const QByteArray &bytes() const { return m_bytes; }

    // Where a scan of the lines stands: the next byte to read and its line's number.
    struct Cursor
    {
        qsizetype position = 0;
        int number = 1;
    };

    // The next non-empty line at or after the cursor; moves the cursor past it. False at the
    // end of the text.
    bool nextLine(Cursor *cursor, Line *line) const;

    // The name inside "[...]", up to the line's last ']' that is not half of a double-byte
    // character, without blanks around it; nothing for a line that is no section header (a '['
    // line without ']' is read as a key line, as the platform does).
    std::optional<QByteArrayView> sectionName(QByteArrayView line) const;
    static KeyLine keyLine(QByteArrayView line);

    QString decode(QByteArrayView bytes) const;
    // A value as the ANSI code page holds it, one pair of matching quotes around it removed,
    // not yet cut to the value limit.
    QByteArray ansiValue(QByteArrayView value) const;

    // The blanks that the private-profile reader drops: control characters 9 to 13, ^Z and
    // space. The full-width space U+3000 is not among them.
    static bool isBlank(char16_t c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20; }
    static QByteArrayView trimmed(QByteArrayView bytes);

private:
    QByteArray m_bytes;
    Storage m_storage = Storage::Ansi;
};

} // namespace tavrolin
