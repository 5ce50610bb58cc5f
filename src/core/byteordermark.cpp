#include "byteordermark.h"

#include "ansicodec.h"

#include <QStringDecoder>
#include <algorithm>

namespace tavrolin {

namespace {

bool holdsNonAscii(QByteArrayView bytes)
{
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

} // namespace

std::optional<ByteOrderMark> byteOrderMark(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return ByteOrderMark{QStringConverter::Utf8, 3};
    if (bytes.startsWith("\xFF\xFE"))
        return ByteOrderMark{QStringConverter::Utf16LE, 2};
    if (bytes.startsWith("\xFE\xFF"))
        return ByteOrderMark{QStringConverter::Utf16BE, 2};
    return std::nullopt;
}

QByteArray utf8FileBytes(const QByteArray &utf8)
{
    constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF", 3);
    return utf8.startsWith(kUtf8Mark) ? kUtf8Mark.toByteArray() + utf8 : utf8;
}

TextStorage textStorage(QByteArrayView bytes)
{
    using Kind = TextStorage::Kind;
    if (const std::optional<ByteOrderMark> mark = byteOrderMark(bytes)) {
        const Kind kind =
            mark->encoding == QStringConverter::Utf8 ? Kind::Utf8Mark : Kind::Utf16Mark;
        return {kind, mark->encoding, mark->size};
    }
    if (holdsNonAscii(bytes) && bytes.isValidUtf8())
        return {Kind::Utf8, QStringConverter::Utf8, 0};
    return {};
}

QString decodeTextFile(QByteArrayView bytes)
{
    const TextStorage storage = textStorage(bytes);
    if (storage.kind == TextStorage::Kind::Ansi)
        return ansi::decode(bytes);
    // After the mark, a U+FEFF is the text's own character.
    QStringDecoder decoder(storage.encoding, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes.sliced(storage.markSize));
}

} // namespace tavrolin
