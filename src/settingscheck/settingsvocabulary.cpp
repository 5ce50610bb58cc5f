#include "settingsvocabulary.h"

#include "core/iniread.h"
#include "core/settingslookup.h"

using namespace Qt::StringLiterals;

namespace tavrolin {

ListValues ListValues::split(const QString &text)
{
    SettingsLookup lookup{QString()};
    lookup.inidataset(text);
    ListValues split{text, {}, lookup.datacount, {}};
    for (int entry = 0; entry < qMin(lookup.datacount, SettingsLookup::kMaxValues); ++entry)
        split.values.append(lookup.listdata[entry]);
    split.commapos = QList<int>(lookup.commapos.begin(), lookup.commapos.end());
    return split;
}

SettingsVocabulary::SettingsVocabulary(const SettingsFile &file) : m_file(file)
{
    read(u"shugo"_s, u"name"_s, ListRole::SubjectTypes);
    read(u"aplicationname"_s, u"name"_s, ListRole::WindowTitles);
}

QString SettingsVocabulary::lookupKey(const QString &section, const QString &key)
{
    return SettingsFile::foldedName(profileName(section)) + u'\n' + key;
}

const QList<qsizetype> *SettingsVocabulary::candidates(const QString &section,
                                                       const QString &key) const
{
    const auto found = m_listsByLookup.constFind(lookupKey(section, key));
    return found == m_listsByLookup.cend() ? nullptr : &*found;
}

const VocabularyList *SettingsVocabulary::list(const QString &section, const QString &key) const
{
    if (const QList<qsizetype> *indexes = candidates(section, key)) {
        for (const qsizetype index : *indexes) {
            const VocabularyList &list = m_lists[index];
            if (SettingsFile::sameLookup(list.section, section) && list.key == key)
                return &list;
        }
    }
    return nullptr;
}

bool SettingsVocabulary::reaches(const SettingsFile::Section &section) const
{
    return m_reached.contains(&section);
}

// A list is read from a section that exists, once per role, and the sections its values name
// are followed in turn.
void SettingsVocabulary::read(const QString &section, const QString &key, ListRole role)
{
    const SettingsFile::Section *found = m_file.section(section);
    if (!found)
        return;
    m_reached.insert(found);
    if (const QList<qsizetype> *indexes = candidates(section, key)) {
        for (const qsizetype index : *indexes) {
            const VocabularyList &list = m_lists[index];
            if (list.role == role && SettingsFile::sameLookup(list.section, section) &&
                list.key == key)
                return;
        }
    }
    m_listsByLookup[lookupKey(section, key)].append(m_lists.size());
    m_lists.append({section, key, role, ListValues::split(m_file.value(section, key))});
    follow(m_lists.last());
}

void SettingsVocabulary::follow(const VocabularyList &list)
{
    if (list.role != ListRole::SubjectTypes && list.role != ListRole::PurposeTypes &&
        list.role != ListRole::PurposeNames)
        return;
    const VocabularyList from = list; // the walk below appends to m_lists
    for (const QString &name : from.list.values) {
        if (name.isEmpty())
            continue;
        m_references.append({name, from.role, from.section, from.key});
        switch (from.role) {
        case ListRole::SubjectTypes:
            read(name, u"type"_s, ListRole::SubjectNames);
            read(name, u"name"_s, ListRole::PurposeTypes);
            break;
        case ListRole::PurposeTypes:
            read(name, u"name"_s, ListRole::PurposeNames);
            break;
        default:
            read(name, u"name"_s, ListRole::Actions);
            break;
        }
    }
}

} // namespace tavrolin
