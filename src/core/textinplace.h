#pragma once

#include <QString>
#include <QStringView>
#include <algorithm>

// Texts written in place at a size worked out beforehand. A script of 50 000 drawings is put
// together from a few hundred thousand parts, and QString::append checks on every call what
// these parts never need (a part that lies inside the text itself, an argument that is null).
namespace tavrolin {

// The text's characters, to be written.
inline char16_t *unitsOf(QString &text)
{
    return reinterpret_cast<char16_t *>(text.data());
}

// Copies `text` to `out` and returns the place after it.
inline char16_t *putText(QStringView text, char16_t *out)
{
    return std::copy(text.utf16(), text.utf16() + text.size(), out);
}

// Appends `part` to `text`, which keeps the room it has.
inline void appendText(QString &text, QStringView part)
{
    const qsizetype size = text.size();
    text.resize(size + part.size());
    putText(part, unitsOf(text) + size);
}

} // namespace tavrolin
