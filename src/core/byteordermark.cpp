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

QString decodeTextFile(QByteArrayView bytes)
{
    const std::optional<ByteOrderMark> mark = byteOrderMark(bytes);
    if (!mark)
        return ansi::decode(bytes);
    QStringDecoder decoder(mark->encoding);
    return decoder.decode(bytes.sliced(mark->size));
}

} // namespace tavrolin
