#include "settingsfile.h"

#include "core/ansicodec.h"
#include "core/byteordermark.h"
#include "core/filefailure.h"
#include "core/iniread.h"
#include "core/inputfile.h"

#include <QStringDecoder>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

bool utf8MarkBeforeOtherText(QByteArrayView bytes)
{
    const std::optional<ByteOrderMark> mark = byteOrderMark(bytes);
    if (!mark || mark->encoding != QStringConverter::Utf8)
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(bytes.sliced(mark->size));
    return utf8.hasError();
}

} // namespace

// The file is read under the same rule as the wizard's lookups, so a file the wizard would take
// for missing cannot pass.
std::optional<SettingsFile> SettingsFile::open(const QString &path, QString *error)
{
    QByteArray bytes;
    QString reason;
    if (!readInputFile(path, &bytes, &reason)) {
        *error = u"設定ファイルを読めません: "_s + messagePath(path) + u": "_s + reason;
        return std::nullopt;
    }
    return fromBytes(bytes);
}

SettingsFile SettingsFile::fromBytes(const QByteArray &bytes)
{
    SettingsFile file;
    file.m_text = ProfileText::fromBytes(bytes);
    file.m_utf8MarkBeforeOtherText = utf8MarkBeforeOtherText(bytes);
    ProfileText::Cursor cursor;
    ProfileText::Line line;
    while (file.m_text.nextLine(&cursor, &line))
        file.addLine(line);
    file.sortIndexes();
    return file;
}

// The views into the text's bytes stay valid: the bytes are never changed, and a copy of the
// file shares them.
void SettingsFile::addLine(const ProfileText::Line &line)
{
    if (const auto header = m_text.sectionName(line.text)) {
        const qsizetype position = m_sections.size();
        m_sections.append(
            {m_text.decode(*header), *header, line.number, {}, true, qsizetype(m_keyIndex.size())});
        m_sectionIndex.push_back({foldedHash(m_sections.last().name), position});
        return;
    }
    const ProfileText::KeyLine keyLine = ProfileText::keyLine(line.text);
    Key key{keyName(keyLine.key), keyLine.key, line.number, keyLine.value.has_value(),
            keyLine.value.value_or(QByteArrayView())};
    if (m_sections.isEmpty()) {
        m_looseKeys.append(std::move(key));
        return;
    }
    m_keyIndex.push_back({foldedHash(key.name), m_keys.size() - m_sections.last().keyIndexStart});
    m_keys.append(std::move(key));
}

// The keys that the wizard looks up are most of a file's lines: their names are shared, not
// decoded for each line.
QString SettingsFile::keyName(QByteArrayView bytes) const
{
    static const QString kLookedUp[] = {u"name"_s, u"type"_s, u"type2"_s};
    for (const QString &name : kLookedUp) {
        if (QLatin1StringView(bytes) == name)
            return name;
    }
    return m_text.decode(bytes);
}

// Each section's keys were listed and indexed together, so sorting each one's stretch sorts the
// key index section by section. Then a section is the first of its name when no earlier one is
// found by its name.
void SettingsFile::sortIndexes()
{
    std::sort(m_sectionIndex.begin(), m_sectionIndex.end());
    for (qsizetype i = 0; i < m_sections.size(); ++i) {
        Section &section = m_sections[i];
        const qsizetype end =
            i + 1 < m_sections.size() ? m_sections[i + 1].keyIndexStart : m_keys.size();
        section.keys = std::span(m_keys.constData(), m_keys.size())
                           .subspan(section.keyIndexStart, end - section.keyIndexStart);
        const auto start = m_keyIndex.begin() + section.keyIndexStart;
        std::sort(start, start + section.keys.size());
    }
    for (qsizetype i = 0; i < m_sections.size(); ++i) {
        const QString looked = ownLookedName(m_sections[i].name);
        m_sections[i].isFirstOfName = firstLooked(m_sections, m_sectionIndex, looked, i) < 0;
    }
}

// A name decoded from the ANSI code page is already as the reader matches it: each character
// it decodes to is written back as the bytes of that same character, and the blanks around it
// went with the bytes. Only a Unicode file's names go through the code page again.
QString SettingsFile::ownLookedName(const QString &name) const
{
    return m_text.isUtf8() ? profileName(name) : name;
}

// FNV-1a over the folded characters; a surrogate pair is one character, a lone half its own.
size_t SettingsFile::foldedHash(QStringView name)
{
    quint64 hash = 14695981039346656037ULL;
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t c = name[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            ++i;
            c = QChar::surrogateToUcs4(char16_t(c), name[i].unicode());
        }
        hash ^= QChar::toCaseFolded(c);
        hash *= 1099511628211ULL;
    }
    return size_t(hash);
}

std::span<const SettingsFile::NameHash> SettingsFile::keyIndex(const Section &section) const
{
    return std::span(m_keyIndex).subspan(section.keyIndexStart, section.keys.size());
}

template <typename Entries>
qsizetype SettingsFile::firstNamed(const Entries &entries, std::span<const NameHash> index,
                                   const QString &wanted) const
{
    return firstLooked(entries, index, profileName(wanted), std::ssize(entries));
}

template <typename Entries>
qsizetype SettingsFile::firstLooked(const Entries &entries, std::span<const NameHash> index,
                                    const QString &looked, qsizetype before) const
{
    if (looked.isEmpty())
        return -1;
    const size_t hash = foldedHash(looked);
    const auto byHash = [](const NameHash &entry, size_t value) { return entry.hash < value; };
    for (auto entry = std::lower_bound(index.begin(), index.end(), hash, byHash);
         entry != index.end() && entry->hash == hash && entry->position < before; ++entry) {
        if (isLookedName(entries[entry->position], looked))
            return entry->position;
    }
    return -1;
}

// As profileNameIs() matches the name's bytes, from the name that the file holds decoded: the
// same text, compared without decoding the bytes again. In the ANSI code page a letter and its
// other case take the same number of bytes, so a name of another length is another name.
template <typename Entry>
bool SettingsFile::isLookedName(const Entry &entry, const QString &looked) const
{
    if (entry.name.compare(looked, Qt::CaseInsensitive) != 0)
        return false;
    return m_text.isUtf8() || entry.nameBytes.size() == ansiSize(looked);
}

qsizetype SettingsFile::ansiSize(const QString &text)
{
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    return ascii ? text.size() : ansi::encode(text).size();
}

bool SettingsFile::isNamed(QByteArrayView nameBytes, const QString &wanted) const
{
    return profileNameMatches(m_text, nameBytes, wanted);
}

const SettingsFile::Section *SettingsFile::section(const QString &name) const
{
    const qsizetype index = firstNamed(m_sections, m_sectionIndex, name);
    return index < 0 ? nullptr : &m_sections[index];
}

qsizetype SettingsFile::firstKey(const Section &section, const QString &name) const
{
    return firstNamed(section.keys, keyIndex(section), name);
}

qsizetype SettingsFile::earlierKey(const Section &section, qsizetype position) const
{
    const QString looked = ownLookedName(section.keys[position].name);
    return firstLooked(section.keys, keyIndex(section), looked, position);
}

const SettingsFile::Key *SettingsFile::key(const QString &sectionName, const QString &keyName) const
{
    const Section *found = section(sectionName);
    return found ? key(*found, keyName) : nullptr;
}

const SettingsFile::Key *SettingsFile::key(const Section &section, const QString &keyName) const
{
    const qsizetype index = firstKey(section, keyName);
    return index < 0 ? nullptr : &section.keys[index];
}

// The value of the key line that the reader's own scan stops at.
QString SettingsFile::value(const QString &section, const QString &key) const
{
    const Section *found = this->section(section);
    return found ? value(*found, key) : QString();
}

QString SettingsFile::value(const Section &section, const QString &key) const
{
    const Key *found = this->key(section, key);
    return found ? profileValue(m_text, found->rawValue) : QString();
}

int SettingsFile::lineOf(const Section &section, const QString &keyName) const
{
    const Key *found = key(section, keyName);
    return found ? found->line : section.line;
}

} // namespace tavrolin
