#include "profiletext.h"

#include "ansicodec.h"
#include "inputfile.h"

#include <cstring>

namespace tavrolin {

namespace {

// Position of the CR or LF that ends the line starting at `start`, or the text's size.
qsizetype lineEnd(QByteArrayView all, qsizetype start)
{
    const char *begin = all.data() + start;
    const auto rest = static_cast<size_t>(all.size() - start);
    const void *lf = std::memchr(begin, '\n', rest);
    const size_t lineLength = lf ? static_cast<const char *>(lf) - begin : rest;
    const void *cr = std::memchr(begin, '\r', lineLength);
    return start + (cr ? static_cast<const char *>(cr) - begin : lineLength);
}

QByteArrayView unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

} // namespace

ProfileText ProfileText::load(const QString &path)
{
    QByteArray bytes;
    QString reason;
    if (!readInputFile(path, &bytes, &reason))
        return {};
    return fromBytes(bytes);
}

ProfileText ProfileText::fromBytes(const QByteArray &bytes)
{
    ProfileText text;
    const TextStorage storage = textStorage(bytes);
    text.m_storage = storage.kind;
    if (storage.kind == Storage::Utf16Mark)
        text.m_bytes = decodeTextFile(bytes).toUtf8();
    else
        text.m_bytes = bytes.sliced(storage.markSize);
    return text;
}

bool ProfileText::nextLine(Cursor *cursor, Line *line) const
{
    const QByteArrayView all(m_bytes);
    while (cursor->position < all.size()) {
        const qsizetype start = cursor->position;
        const qsizetype end = lineEnd(all, start);
        const int number = cursor->number;
        cursor->position = end + 1;
        if (end < all.size()) {
            if (all[end] == '\r' && cursor->position < all.size() && all[cursor->position] == '\n')
                ++cursor->position;
            ++cursor->number;
        }
        const QByteArrayView text = trimmed(all.sliced(start, end - start));
        if (!text.isEmpty()) {
            *line = {text, number};
            return true;
        }
    }
    return false;
}

std::optional<QByteArrayView> ProfileText::sectionName(QByteArrayView line) const
{
    if (line.isEmpty() || line.front() != '[')
        return std::nullopt;
    qsizetype close = -1;
    for (qsizetype i = 1; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if (byte == ']')
            close = i;
        else if (!isUtf8() && ansi::isLeadByte(byte))
            ++i;
    }
    if (close < 0)
        return std::nullopt;
    return trimmed(line.sliced(1, close - 1));
}

ProfileText::KeyLine ProfileText::keyLine(QByteArrayView line)
{
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return {line, std::nullopt};
    return {trimmed(line.first(equals)), trimmed(line.sliced(equals + 1))};
}

QString ProfileText::decode(QByteArrayView bytes) const
{
    return isUtf8() ? QString::fromUtf8(bytes) : ansi::decode(bytes);
}

QByteArray ProfileText::ansiValue(QByteArrayView value) const
{
    const QByteArrayView inner = unquoted(value);
    return isUtf8() ? ansi::encode(QString::fromUtf8(inner)) : inner.toByteArray();
}

QByteArrayView ProfileText::trimmed(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && isBlank(static_cast<unsigned char>(bytes.front())))
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && isBlank(static_cast<unsigned char>(bytes.back())))
        bytes.chop(1);
    return bytes;
}

} // namespace tavrolin
