#pragma once

#include "settingsfile.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace tavrolin {

// What a grid column, or the finish page, offers from a list of the settings file.
enum class ListRole {
    SubjectTypes,
    SubjectNames,
    PurposeTypes,
    PurposeNames,
    Actions,
    WindowTitles
};

// A list value as a cell's lookup splits it: the values written into the list (at most ten,
// the last one cut to twenty characters), the number of values found (11 after ten commas) and
// the 1-based comma positions.
struct ListValues
{
    QString text;
    QStringList values;
    int datacount = 0;
    QList<int> commapos;

    static ListValues split(const QString &text);
};

// One list that the wizard reads: the section it is read from and the key it is looked up
// under, and what it offers.
struct VocabularyList
{
    const SettingsFile::Section *section = nullptr;
    QString key;
    ListRole role;
    ListValues list;
};

// A value of a list whose text names the section that the next column reads.
struct SectionReference
{
    QString name;
    const SettingsFile::Section *section = nullptr; // the section the name finds, if any
    ListRole role;                                  // SubjectTypes, PurposeTypes or PurposeNames
    const SettingsFile::Section *fromSection = nullptr; // where the list that names it is read
    QString fromKey;
};

// The settings file walked as the grid's cascade walks it: from the subject types of [shugo]
// to each subject type's subject names and purpose types, each purpose type's purpose names and
// each purpose name's actions; and the window titles of [aplicationname]. Each list is read
// once, however many rows lead to it, and only from sections that exist.
class SettingsVocabulary
{
public:
    explicit SettingsVocabulary(const SettingsFile &file);

    const QList<VocabularyList> &lists() const { return m_lists; }
    const QList<SectionReference> &references() const { return m_references; }
    // The list read from that section under that key, or nullptr.
    const VocabularyList *list(const SettingsFile::Section &section, const QString &key) const;
    // True when the wizard reads the section: a fixed one, or one that some list leads to.
    bool reaches(const SettingsFile::Section &section) const;

private:
    void read(const SettingsFile::Section *section, const QString &key, ListRole role);
    void follow(const VocabularyList &list);

    const SettingsFile &m_file;
    QList<VocabularyList> m_lists;
    // The indexes of the lists read from each section found: names that find the same section
    // are the same lookup.
    QHash<const SettingsFile::Section *, QList<qsizetype>> m_listsBySection;
    QList<SectionReference> m_references;
    QSet<const SettingsFile::Section *> m_reached;
};

} // namespace tavrolin
