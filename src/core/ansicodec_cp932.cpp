#include "ansicodec.h"
#include "cp932table.h"
#include "largetext.h"

#include <array>
#include <cstring>
#include <memory>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

// Code page 932 as Microsoft defines it. Qt's own Shift_JIS encoder writes FC FC for a character
// it cannot hold and glibc's CP932 fails outright, so the conversion is done here from the
// generated table instead.
namespace tavrolin::ansi {

namespace {

constexpr char16_t kDefaultChar = u'\u30FB';

int leadIndex(unsigned char byte)
{
    if (byte >= 0x81 && byte <= 0x9F)
        return byte - 0x81;
    if (byte >= 0xE0 && byte <= 0xFC)
        return 31 + (byte - 0xE0);
    return -1;
}

unsigned char leadByte(int index)
{
    return static_cast<unsigned char>(index < 31 ? 0x81 + index : 0xE0 + (index - 31));
}

bool isTrailByte(unsigned char byte)
{
    return byte >= cp932::kTrailFirst && byte <= cp932::kTrailLast && byte != 0x7F;
}

char16_t decodeSingle(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    if (byte >= 0xA1 && byte <= 0xDF) // half-width katakana
        return static_cast<char16_t>(0xFF61 + (byte - 0xA1));
    switch (byte) {
    case 0x80:
        return u'\u0080';
    case 0xA0:
        return u'\uF8F0';
    case 0xFD:
        return u'\uF8F1';
    case 0xFE:
        return u'\uF8F2';
    case 0xFF:
        return u'\uF8F3';
    default:
        return kDefaultChar;
    }
}

// Unicode to bytes: the low byte and, for a double-byte character, the lead in the high byte;
// 0 where the code page has no such character (U+0000 itself is handled before the lookup).
class EncodeTable
{
public:
    EncodeTable()
    {
        for (int byte = 0; byte < 0x100; ++byte) {
            if (leadIndex(static_cast<unsigned char>(byte)) < 0)
                claim(decodeSingle(static_cast<unsigned char>(byte)), static_cast<char16_t>(byte));
        }
        // Where one character has several codes, Windows writes the lowest one, except that
        // the IBM extensions (leads FA-FC) win over their NEC-selected copies (leads ED-EE).
        for (int index = 0; index < cp932::kLeadCount; ++index) {
            if (leadByte(index) != 0xED && leadByte(index) != 0xEE)
                claimLead(index);
        }
        claimLead(leadIndex(0xED));
        claimLead(leadIndex(0xEE));
    }

    char16_t code(char16_t unit) const { return m_codes[unit]; }

private:
    void claimLead(int index)
    {
        for (int trail = cp932::kTrailFirst; trail <= cp932::kTrailLast; ++trail) {
            const char16_t unit = cp932::kDoubleByte[index][trail - cp932::kTrailFirst];
            if (unit != 0)
                claim(unit, static_cast<char16_t>(leadByte(index) << 8 | trail));
        }
    }

    void claim(char16_t unit, char16_t code)
    {
        if (m_codes[unit] == 0)
            m_codes[unit] = code;
    }

    std::array<char16_t, 0x10000> m_codes{};
};

const EncodeTable &encodeTable()
{
    static const auto table = std::make_unique<EncodeTable>();
    return *table;
}

// Eight UTF-16 units at a time: when all are ASCII, their bytes are written to `out` and true is
// returned.
bool putAscii8(const char16_t *units, char *out)
{
#ifdef __SSE2__
    const __m128i eight = _mm_loadu_si128(reinterpret_cast<const __m128i *>(units));
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(eight, _mm_set1_epi16(qint16(0xFF80))),
                                          _mm_setzero_si128())) != 0xFFFF)
        return false;
    _mm_storel_epi64(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(eight, eight));
    return true;
#else
    quint64 four[2];
    std::memcpy(four, units, sizeof four);
    if (((four[0] | four[1]) & 0xFF80FF80FF80FF80ULL) != 0)
        return false;
    for (int k = 0; k < 8; ++k)
        out[k] = static_cast<char>(units[k]);
    return true;
#endif
}

} // namespace

bool isLeadByte(unsigned char byte)
{
    return leadIndex(byte) >= 0;
}

// A text in ASCII, as most paths and keywords are, is widened as a whole.
QString decode(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    QString text;
    text.resize(bytes.size());
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    qsizetype written = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const int lead = leadIndex(byte);
        if (lead < 0) {
            out[written++] = decodeSingle(byte);
            continue;
        }
        const bool hasTrail =
            i + 1 < bytes.size() && isTrailByte(static_cast<unsigned char>(bytes[i + 1]));
        if (!hasTrail) {
            out[written++] = kDefaultChar;
            continue;
        }
        const auto trail = static_cast<unsigned char>(bytes[++i]);
        const char16_t unit = cp932::kDoubleByte[lead][trail - cp932::kTrailFirst];
        out[written++] = unit != 0 ? unit : kDefaultChar;
    }
    text.truncate(written);
    return text;
}

QByteArray encode(QStringView text, qsizetype *unrepresentable)
{
    QByteArray bytes;
    appendEncoded(text, bytes, unrepresentable);
    return bytes;
}

// ASCII, most of a script, is copied as it is, eight characters at a time; everything else goes
// through the table.
void appendEncoded(QStringView text, QByteArray &bytes, qsizetype *unrepresentable)
{
    const EncodeTable &table = encodeTable();
    const qsizetype start = bytes.size();
    // Room for the worst case, two bytes a character, grown geometrically: a long text encoded
    // piece by piece must not be moved for every piece.
    const qsizetype room = start + text.size() * 2;
    if (bytes.capacity() < room)
        reserveLargeText(bytes, qMax(room, bytes.capacity() * 2));
    bytes.resize(room);
    char *out = bytes.data() + start;
    const char16_t *in = text.utf16();
    const qsizetype size = text.size();
    qsizetype lost = 0;
    for (qsizetype i = 0; i < size;) {
        if (i + 8 <= size && putAscii8(in + i, out)) {
            out += 8;
            i += 8;
            continue;
        }
        const char16_t unit = in[i];
        const char16_t code = unit == 0 ? 0 : table.code(unit);
        if (unit != 0 && code == 0) {
            // A surrogate pair is one character and becomes one '?'.
            if (QChar::isHighSurrogate(unit) && i + 1 < size && QChar::isLowSurrogate(in[i + 1]))
                ++i;
            *out++ = '?';
            ++lost;
        } else if (code > 0xFF) {
            *out++ = static_cast<char>(code >> 8);
            *out++ = static_cast<char>(code & 0xFF);
        } else {
            *out++ = static_cast<char>(code);
        }
        ++i;
    }
    bytes.truncate(out - bytes.data());
    if (unrepresentable)
        *unrepresentable += lost;
}

} // namespace tavrolin::ansi
