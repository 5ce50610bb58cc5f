#include "byteordermark.h"

#include "ansicodec.h"

#include <QStringDecoder>
#include <algorithm>

namespace tavrolin {

namespace {

// UTF-16 bytes may hold a half of a surrogate pair alone, which is no character: it becomes
// U+FFFD, as a byte that is no UTF-8 would, so the text is written back as it was read.
QString withoutLoneSurrogates(QString text)
{
    if (QStringView(text).isValidUtf16())
        return text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

// The lines of a text: each ends in LF or CR LF, the last one's line end is optional.
QStringList linesOf(const QString &text)
{
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast(); // the line end of the last line, or an empty text
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
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
    if (!ansi::isAscii(bytes) && bytes.isValidUtf8())
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
    return withoutLoneSurrogates(decoder.decode(bytes.sliced(storage.markSize)));
}

QStringList decodeTextLines(QByteArrayView bytes)
{
    const TextStorage storage = textStorage(bytes);
    if (storage.kind == TextStorage::Kind::Utf16Mark)
        return linesOf(decodeTextFile(bytes));
    // Each line decoded on its own, as the whole text would decode it: a U+FEFF at a line's
    // start is the text's own character, and a sequence cut by the line end is no character.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom |
                                                    QStringConverter::Flag::Stateless);
    QByteArrayView rest = bytes.sliced(storage.markSize);
    QStringList lines;
    lines.reserve(std::count(rest.begin(), rest.end(), '\n') + 1);
    while (!rest.isEmpty()) {
        const qsizetype end = rest.indexOf('\n');
        QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(storage.kind == TextStorage::Kind::Ansi ? ansi::decode(line)
                                                             : QString(utf8.decode(line)));
    }
    return lines;
}

} // namespace tavrolin
