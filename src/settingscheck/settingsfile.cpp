#include "settingsfile.h"

#include "core/byteordermark.h"
#include "core/filefailure.h"
#include "core/iniread.h"
#include "core/inputfile.h"

#include <QStringDecoder>

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
    return file;
}

void SettingsFile::addLine(const ProfileText::Line &line)
{
    if (const auto header = m_text.sectionName(line.text)) {
        Section section{m_text.decode(*header), header->toByteArray(), line.number, {}, true, {}};
        section.isFirstOfName = this->section(section.name) == nullptr;
        m_sectionsByName[foldedName(section.name)].append(m_sections.size());
        m_sections.append(section);
        return;
    }
    const ProfileText::KeyLine keyLine = ProfileText::keyLine(line.text);
    const Key key{m_text.decode(keyLine.key), keyLine.key.toByteArray(), line.number,
                  keyLine.value.has_value(),
                  keyLine.value.value_or(QByteArrayView()).toByteArray()};
    if (m_sections.isEmpty()) {
        m_looseKeys.append(key);
        return;
    }
    Section &section = m_sections.last();
    section.keysByName[foldedName(key.name)].append(section.keys.size());
    section.keys.append(key);
}

QString SettingsFile::foldedName(const QString &name)
{
    QString folded;
    folded.reserve(name.size());
    for (const char32_t c : name.toUcs4())
        folded += QStringView(QChar::fromUcs4(QChar::toCaseFolded(c)));
    return folded;
}

template <typename Entries>
qsizetype SettingsFile::firstNamed(const Entries &entries,
                                   const QHash<QString, QList<qsizetype>> &byName,
                                   const QString &wanted) const
{
    const QString looked = profileName(wanted);
    if (looked.isEmpty())
        return -1;
    const auto candidates = byName.constFind(foldedName(looked));
    if (candidates == byName.cend())
        return -1;
    for (const qsizetype index : *candidates) {
        if (isNamed(entries[index].nameBytes, wanted))
            return index;
    }
    return -1;
}

bool SettingsFile::isNamed(const QByteArray &nameBytes, const QString &wanted) const
{
    return profileNameMatches(m_text, nameBytes, wanted);
}

bool SettingsFile::sameLookup(const QString &a, const QString &b)
{
    const QString looked = profileName(a);
    return !looked.isEmpty() && looked.compare(profileName(b), Qt::CaseInsensitive) == 0;
}

const SettingsFile::Section *SettingsFile::section(const QString &name) const
{
    const qsizetype index = firstNamed(m_sections, m_sectionsByName, name);
    return index < 0 ? nullptr : &m_sections[index];
}

qsizetype SettingsFile::firstKey(const Section &section, const QString &name) const
{
    return firstNamed(section.keys, section.keysByName, name);
}

const SettingsFile::Key *SettingsFile::key(const QString &sectionName, const QString &keyName) const
{
    const Section *found = section(sectionName);
    if (!found)
        return nullptr;
    const qsizetype index = firstKey(*found, keyName);
    return index < 0 ? nullptr : &found->keys[index];
}

// The value of the key line that the reader's own scan stops at.
QString SettingsFile::value(const QString &section, const QString &key) const
{
    const Key *found = this->key(section, key);
    return found ? profileValue(m_text, found->rawValue) : QString();
}
int SettingsFile::lineOf(const QString &sectionName, const QString &keyName) const
{
    if (const Key *found = key(sectionName, keyName))
        return found->line;
    const Section *found = section(sectionName);
    return found ? found->line : 0;
}

} // namespace tavrolin
