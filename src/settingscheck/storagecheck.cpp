#include "storagecheck.h"

#include "core/ansicodec.h"
#include "settingsfile.h"

#include <QStringDecoder>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

constexpr char16_t kDefaultChar = u'\u30FB'; // what the code page makes of a byte it lacks
constexpr int kCharsShown = 5;

bool isComment(QByteArrayView line)
{
    return line.startsWith(';');
}

// True when some bytes of the line are no character of the code page: a double-byte character
// that the table lacks, or a lead byte without its second byte.
bool holdsStrayBytes(QByteArrayView line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (!ansi::isLeadByte(static_cast<unsigned char>(line[i])))
            continue;
        if (i + 1 == line.size())
            return true;
        const QByteArrayView pair = line.sliced(i, 2);
        if (pair != "\x81\x45" && ansi::decode(pair) == QChar(kDefaultChar))
            return true;
        ++i;
    }
    return false;
}

// The distinct characters of the line that the code page cannot write, the first few of them.
QString unwritableText(const QString &line)
{
    QString found;
    int count = 0;
    for (const char32_t code : line.toUcs4()) {
        const QString c = QString::fromUcs4(&code, 1);
        if (found.contains(c) || ansi::canEncode(c))
            continue;
        found += c;
        if (++count == kCharsShown)
            break;
    }
    return found;
}

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

SettingsFinding unmarkedUtf8(const ProfileText &text)
{
    ProfileText::Cursor cursor;
    ProfileText::Line line;
    int first = 1;
    while (text.nextLine(&cursor, &line)) {
        if (!isAscii(line.text)) {
            first = line.number;
            break;
        }
    }
    return {first,
            {},
            {},
            u"ファイルが UTF-8（BOM なし）で保存されています。設定ファイルはコードページ 932"
            u"（シフト JIS、Windows では「ANSI」）で保存してください。このままでは日本語の"
            u"セクション名が見つからず、グリッドの一覧は正しく出ません。"_s};
}

} // namespace

bool isUnmarkedUtf8(const ProfileText &text)
{
    if (text.storage() != ProfileText::Storage::Ansi || isAscii(text.bytes()))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(text.bytes());
    return !utf8.hasError();
}

SettingsFindings checkStorage(const SettingsFile &file)
{
    const ProfileText &text = file.text();
    if (isUnmarkedUtf8(text))
        return {unmarkedUtf8(text)};
    if (file.hasUtf8MarkBeforeOtherText())
        return {{1,
                 {},
                 {},
                 u"ファイルの先頭に UTF-8 の BOM がありますが、中身はコードページ 932（シフト "
                 u"JIS）です。このままでは日本語の名前がすべて別の文字として読まれ、グリッドの"
                 u"一覧は正しく出ません。BOM を付けずに（Windows では「ANSI」で）保存し直して"
                 u"ください。"_s}};
    SettingsFindings findings;
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
        const QString unwritable = unwritableText(QString::fromUtf8(line.text));
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
