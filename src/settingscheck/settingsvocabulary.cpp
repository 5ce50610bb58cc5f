#include "settingsvocabulary.h"

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
    read(file.section(u"shugo"_s), u"name"_s, ListRole::SubjectTypes);
    read(file.section(u"aplicationname"_s), u"name"_s, ListRole::WindowTitles);
}

const VocabularyList *SettingsVocabulary::list(const SettingsFile::Section &section,
                                               const QString &key) const
{
    for (const qsizetype index : m_listsBySection.value(&section)) {
        if (m_lists[index].key == key)
            return &m_lists[index];
    }
    return nullptr;
}

bool SettingsVocabulary::reaches(const SettingsFile::Section &section) const
{
    return m_reached.contains(&section);
}

// A list is read from a section that exists, once per role, and the sections its values name
// are followed in turn.
void SettingsVocabulary::read(const SettingsFile::Section *found, const QString &key, ListRole role)
{
    if (!found)
        return;
    m_reached.insert(found);
    QList<qsizetype> &lists = m_listsBySection[found];
    for (const qsizetype index : std::as_const(lists)) {
        if (m_lists[index].role == role && m_lists[index].key == key)
            return;
    }
    lists.append(m_lists.size());
    m_lists.append({found, key, role, ListValues::split(m_file.value(*found, key))});
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
        const SettingsFile::Section *found = m_file.section(name);
        m_references.append({name, found, from.role, from.section, from.key});
        switch (from.role) {
        case ListRole::SubjectTypes:
            read(found, u"type"_s, ListRole::SubjectNames);
            read(found, u"name"_s, ListRole::PurposeTypes);
            break;
        case ListRole::PurposeTypes:
            read(found, u"name"_s, ListRole::PurposeNames);
            break;
        default:
            read(found, u"name"_s, ListRole::Actions);
            break;
        }
    }
}

} // namespace tavrolin
