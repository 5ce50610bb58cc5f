// The code page 932 codec: the input is decoded as bytes and, read as UTF-16 text, encoded.

#include "core/ansicodec.h"
#include "fuzzcheck.h"

#include <cstring>
#include <vector>

using namespace tavrolin;

namespace {

constexpr QChar kDefaultChar(0x30FB); // what a byte sequence that is no character becomes

// Decoded text holds only characters of the code page: it encodes with nothing lost and decodes
// back unchanged, and, unless a byte sequence was no character, into as many bytes.
void checkDecode(QByteArrayView bytes)
{
    const QString text = ansi::decode(bytes);
    FUZZ_CHECK(text.size() <= bytes.size());
    qsizetype lost = 0;
    const QByteArray again = ansi::encode(text, &lost);
    FUZZ_CHECK(lost == 0);
    FUZZ_CHECK(ansi::decode(again) == text);
    if (!text.contains(kDefaultChar))
        FUZZ_CHECK(again.size() == bytes.size());
}

// Whether the code page holds the character. Those of one UTF-16 unit are looked up in a table
// made once, by encoding each alone: an encoding per character of every input would cost more
// than the property checked.
bool encodable(QStringView character)
{
    static const std::vector<bool> units = [] {
        std::vector<bool> table(0x10000);
        for (char16_t unit = 0; unit < 0xFFFF; ++unit)
            table[unit] = ansi::canEncode(QStringView(&unit, 1));
        table[0xFFFF] = ansi::canEncode(u"\uFFFF");
        return table;
    }();
    return character.size() == 1 ? units[character[0].unicode()] : ansi::canEncode(character);
}

// Encoded text decodes back to itself with every character the code page lacks (a surrogate
// pair being one character) as one '?', and the count of those is the one reported.
void checkEncode(QStringView text)
{
    qsizetype lost = 0;
    const QByteArray bytes = ansi::encode(text, &lost);
    QString expected;
    expected.reserve(text.size());
    qsizetype missing = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QStringView character = text.sliced(i, pair ? 2 : 1);
        i += pair ? 1 : 0;
        if (encodable(character)) {
            expected += character;
        } else {
            expected += u'?';
            ++missing;
        }
    }
    FUZZ_CHECK(lost == missing);
    FUZZ_CHECK(ansi::decode(bytes) == expected);
    FUZZ_CHECK(bytes.count('?') == text.count(u'?') + lost);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    checkDecode(QByteArrayView(data, qsizetype(size)));
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2);
    checkEncode(text);
    return 0;
}
