#include "byteordermark.h"

#include "ansicodec.h"

#include <QStringDecoder>

namespace tavrolin {

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

// After the mark, a U+FEFF is the text's own character.
QString decodeTextFile(QByteArrayView bytes)
{
    const std::optional<ByteOrderMark> mark = byteOrderMark(bytes);
    if (!mark)
        return ansi::decode(bytes);
    QStringDecoder decoder(mark->encoding, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes.sliced(mark->size));
}

} // namespace tavrolin
