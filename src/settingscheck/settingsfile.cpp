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
        Section section{m_text.decode(*header), header->toByteArray(), line.number, {}, true};
        section.isFirstOfName = this->section(section.name) == nullptr;
        m_sections.append(section);
        return;
    }
    const ProfileText::KeyLine keyLine = ProfileText::keyLine(line.text);
    const Key key{m_text.decode(keyLine.key), keyLine.key.toByteArray(), line.number,
                  keyLine.value.has_value(),
                  keyLine.value.value_or(QByteArrayView()).toByteArray()};
    (m_sections.isEmpty() ? m_looseKeys : m_sections.last().keys).append(key);
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
    for (const Section &section : m_sections) {
        if (isNamed(section.nameBytes, name))
            return &section;
    }
    return nullptr;
}

const SettingsFile::Key *SettingsFile::key(const QString &sectionName, const QString &keyName) const
{
    const Section *found = section(sectionName);
    if (!found)
        return nullptr;
    for (const Key &key : found->keys) {
        if (isNamed(key.nameBytes, keyName))
            return &key;
    }
    return nullptr;
}

QString SettingsFile::value(const QString &section, const QString &key) const
{
    return iniread(m_text, section, key);
}

int SettingsFile::lineOf(const QString &sectionName, const QString &keyName) const
{
    if (const Key *found = key(sectionName, keyName))
        return found->line;
    const Section *found = section(sectionName);
    return found ? found->line : 0;
}

} // namespace tavrolin
