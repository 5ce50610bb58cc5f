#include "storagecheck.h"

#include "core/ansicodec.h"
#include "settingsfile.h"

#include <algorithm>
#include <bitset>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

constexpr char16_t kDefaultChar = u'\u30FB'; // what the code page makes of a byte it lacks
constexpr int kCharsShown = 5;

bool isComment(QByteArrayView line)
{
    return line.startsWith(';');
}

// The byte pairs that start with a lead byte and read as the code page's default character
// alone: a second byte the table lacks for that lead. (A lead before a byte that cannot follow
// it reads as two characters.) The pair that is the default character itself does not count.
// Worked out once, so a line full of double-byte characters costs no decoding.
class StrayPairs
{
public:
    StrayPairs()
    {
        char pair[2];
        for (int lead = 0; lead < 0x100; ++lead) {
            if (!ansi::isLeadByte(static_cast<unsigned char>(lead)))
                continue;
            pair[0] = static_cast<char>(lead);
            for (int second = 0; second < 0x100; ++second) {
                pair[1] = static_cast<char>(second);
                m_stray[lead << 8 | second] =
                    (lead != 0x81 || second != 0x45) &&
                    ansi::decode(QByteArrayView(pair, 2)) == QChar(kDefaultChar);
            }
        }
    }

    bool contains(unsigned char lead, unsigned char second) const
    {
        return m_stray[lead << 8 | second];
    }

private:
    std::bitset<0x10000> m_stray;
};

// True when some bytes of the line are no character of the code page: a double-byte character
// that the table lacks, or a lead byte without its second byte.
bool holdsStrayBytes(QByteArrayView line)
{
    static const StrayPairs stray;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if (!ansi::isLeadByte(byte))
            continue;
        if (i + 1 == line.size() || stray.contains(byte, static_cast<unsigned char>(line[i + 1])))
            return true;
        ++i;
    }
    return false;
}

// The distinct characters of the UTF-8 line that the code page cannot write, the first few of
// them. Every code page writes ASCII, so a line of it is not decoded at all.
QString unwritableText(QByteArrayView line)
{
    QString found;
    if (std::all_of(line.begin(), line.end(), [](char c) { return uchar(c) < 0x80; }))
        return found;
    const QString text = QString::fromUtf8(line); // any surrogate in it is half of a pair
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype width = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView c = QStringView(text).sliced(i, width);
        i += width - 1;
        if (found.contains(c) || ansi::canEncode(c))
            continue;
        found += c;
        if (++count == kCharsShown)
            break;
    }
    return found;
}

// Notepad saves UTF-8 without a mark; the file is read as UTF-8 all the same.
SettingsFinding unmarkedUtf8()
{
    return {0,
            {},
            {},
            u"ファイルは UTF-8（BOM なし）で保存されています。UTF-8 として読みます。"_s,
            true};
}

} // namespace

SettingsFindings checkStorage(const SettingsFile &file)
{
    const ProfileText &text = file.text();
    if (file.hasUtf8MarkBeforeOtherText())
        return {{1,
                 {},
                 {},
                 u"ファイルの先頭に UTF-8 の BOM がありますが、中身はコードページ 932（シフト "
                 u"JIS）です。このままでは日本語の名前がすべて別の文字として読まれ、グリッドの"
                 u"一覧は正しく出ません。BOM を付けずに（Windows では「ANSI」で）保存し直して"
                 u"ください。"_s}};
    SettingsFindings findings;
    if (text.storage() == ProfileText::Storage::Utf8)
        findings.append(unmarkedUtf8());
    ProfileText::Cursor cursor;
    ProfileText::Line line;
    while (text.nextLine(&cursor, &line)) {
        if (isComment(line.text))
            continue;
        if (!text.isUtf8()) {
            if (holdsStrayBytes(line.text))
                findings.append({line.number,
                                 {},
                                 {},
                                 u"コードページ 932 の文字でないバイトがあります。その部分は"
                                 u"「・」として読まれます。"_s});
            continue;
        }
        const QString unwritable = unwritableText(line.text);
        if (!unwritable.isEmpty())
            findings.append({line.number,
                             {},
                             {},
                             u"コードページ 932 で書けない文字「%1」があります。「?」として"
                             u"読まれるので、その名前や値は一致しません。"_s.arg(unwritable)});
    }
    return findings;
}

} // namespace tavrolin
