// The settings reader and lookup on arbitrary files and names. The input is the section name,
// a NUL, the key name, a NUL and the file's bytes; the names are in the ANSI code page.

#include "core/ansicodec.h"
#include "core/byteordermark.h"
#include "core/iniread.h"
#include "core/profiletext.h"
#include "core/settingslookup.h"
#include "fuzzcheck.h"

#include <algorithm>

using namespace tavrolin;

namespace {

// The names with their ASCII letters in the other case: the lookup ignores letter case.
QString otherCase(const QString &name)
{
    QString swapped = name;
    for (QChar &c : swapped) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 0x20);
        else if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 0x20);
    }
    return swapped;
}

void checkValue(const QString &value, QByteArrayView file)
{
    FUZZ_CHECK(value.size() <= kIniValueLimit);
    FUZZ_CHECK(!value.contains(u'\r') && !value.contains(u'\n'));
    // A byte that is no character reads as U+30FB, which takes two bytes: any other value comes
    // back within the limit in bytes too.
    if (!value.contains(QChar(0x30FB)))
        FUZZ_CHECK(ansi::encode(value).size() <= kIniValueLimit);
    // An ASCII value of a file in the ANSI code page is bytes of the file. (In a Unicode file, a
    // character the code page lacks reads as '?', which the file need not hold.)
    const bool ascii =
        std::all_of(value.begin(), value.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii && textStorage(file).kind == TextStorage::Kind::Ansi)
        FUZZ_CHECK(file.contains(value.toLatin1()));
}

// A split gives 1 to 11 values, the entries after them empty, and no value holds a comma. The
// values before the last are the text's own, each followed by its comma; the last is the rest of
// the text, which holds no comma, cut to 20 characters. After ten commas the rest is dropped.
void checkSplit(SettingsLookup &lookup, const QString &value)
{
    lookup.inidataset(value);
    const int count = lookup.datacount;
    FUZZ_CHECK(count >= 1 && count <= SettingsLookup::kMaxValues + 1);
    const int whole = count <= SettingsLookup::kMaxValues ? count - 1 : SettingsLookup::kMaxValues;
    QString joined;
    for (int i = 0; i < whole; ++i) {
        FUZZ_CHECK(!lookup.listdata[i].contains(u','));
        joined += lookup.listdata[i] + u',';
    }
    FUZZ_CHECK(value.startsWith(joined));
    if (count <= SettingsLookup::kMaxValues) {
        const QString rest = value.sliced(joined.size());
        FUZZ_CHECK(!rest.contains(u','));
        FUZZ_CHECK(lookup.listdata[count - 1] == rest.left(SettingsLookup::kLastValueLength));
    }
    for (int i = qMin(count, SettingsLookup::kMaxValues); i < SettingsLookup::kListSize; ++i)
        FUZZ_CHECK(lookup.listdata[i].isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView input(data, qsizetype(size));
    const qsizetype sectionEnd = input.indexOf('\0');
    const qsizetype keyEnd = sectionEnd < 0 ? -1 : input.indexOf('\0', sectionEnd + 1);
    if (keyEnd < 0)
        return -1; // not in the input's form: kept out of the corpus
    const QString section = ansi::decode(input.first(sectionEnd));
    const QString key = ansi::decode(input.sliced(sectionEnd + 1, keyEnd - sectionEnd - 1));
    const QByteArrayView file = input.sliced(keyEnd + 1);
    const QString path = fuzz::scratchFile("tavrolin.ini");
    fuzz::writeFile(path, file.toByteArray());

    // The file is read from memory, and once by its path through the lookup: each read of the
    // file costs system calls that would outweigh the rest.
    const ProfileText text = ProfileText::fromBytes(file.toByteArray());
    const QString value = iniread(text, section, key);
    checkValue(value, file);
    FUZZ_CHECK(iniread(text, otherCase(section), otherCase(key)) == value);
    SettingsLookup lookup(path);
    lookup.inidatainput(section, key);
    FUZZ_CHECK(lookup.inidata == value);
    checkSplit(lookup, value);
    return 0;
}
