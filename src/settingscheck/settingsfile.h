#pragma once

#include "core/profiletext.h"

#include <QList>
#include <QString>
#include <optional>
#include <span>
#include <vector>

namespace tavrolin {

// The settings file as the wizard's reader sees it, laid out for the settings check: its
// sections and key lines in file order with their line numbers, and the values that lookups
// give. A section or key is found as the reader finds it (letter case and blanks ignored, the
// first of a name winning), and a value is exactly what the reader returns. Names and values as
// written are views into text().bytes(), which the file holds unchanged, and the key lines of
// all sections are one list; sections and keys are found through sorted indexes of their folded
// names' hashes, one for the sections and one for all keys, so a file of many small sections
// costs no table per section.
class SettingsFile
{
public:
    struct Key
    {
        QString name;
        QByteArrayView nameBytes; // as written
        int line = 0;
        bool hasEquals = false;
        QByteArrayView rawValue; // as written, blanks around it removed
        bool isComment() const { return name.startsWith(u';'); }
    };

    struct Section
    {
        QString name;
        QByteArrayView nameBytes; // as written
        int line = 0;
        std::span<const Key> keys;   // the section's key lines, in the file's list of them
        bool isFirstOfName = true;   // a later section of the same name is never read
        qsizetype keyIndexStart = 0; // where the section's keys start in that list and its index
    };

    // Reads the file once. Nothing, and the reason in *error, when it cannot be read.
    static std::optional<SettingsFile> open(const QString &path, QString *error);
    static SettingsFile fromBytes(const QByteArray &bytes);

    const ProfileText &text() const { return m_text; }
    // True when the file starts with the byte-order mark of UTF-8 but what follows is no UTF-8
    // (an editor put the mark before text in the ANSI code page): every Japanese name in it
    // reads as other characters. Judged from the bytes as stored, whatever the reader makes of
    // them.
    bool hasUtf8MarkBeforeOtherText() const { return m_utf8MarkBeforeOtherText; }
    const QList<Section> &sections() const { return m_sections; }
    // Key lines before the first section header.
    const QList<Key> &looseKeys() const { return m_looseKeys; }

    // The section that the reader searches for `name`, or nullptr.
    const Section *section(const QString &name) const;
    // The key line whose value the reader returns, or nullptr; also in a section found.
    const Key *key(const QString &section, const QString &key) const;
    const Key *key(const Section &section, const QString &key) const;
    // The index of the section's first key line that a lookup of `name` finds, or -1.
    qsizetype firstKey(const Section &section, const QString &name) const;
    // The index of the section's first key line before `position` that a lookup of the name of
    // the key line at `position` finds, or -1: the earlier line that hides it.
    qsizetype earlierKey(const Section &section, qsizetype position) const;
    // The value a lookup returns: the empty text for a missing section or key.
    QString value(const QString &section, const QString &key) const;
    QString value(const Section &section, const QString &key) const;
    // The line to name for a finding about a key: the key's line, else its section's header line.
    int lineOf(const Section &section, const QString &key) const;

    // True when a section or key name as written is the name looked for, as the reader matches.
    bool isNamed(QByteArrayView nameBytes, const QString &wanted) const;

private:
    // An entry of a name index: the hash of a name's folded form and the entry's position
    // among the sections, or among its section's keys. Sorted by hash, then position.
    struct NameHash
    {
        size_t hash = 0;
        qsizetype position = 0;
        auto operator<=>(const NameHash &) const = default;
    };
    // A hash of the name with each character case-folded as the reader's comparison folds it:
    // names that match have the same hash, so lookups go to the few entries that may match.
    static size_t foldedHash(QStringView name);

    void addLine(const ProfileText::Line &line);
    QString keyName(QByteArrayView bytes) const;
    void sortIndexes();
    // A name of the file as profileName() gives it.
    QString ownLookedName(const QString &name) const;
    // The first position, in an index over entries with names as written, whose entry
    // `isNamed(wanted)`; -1 when none is.
    template <typename Entries>
    qsizetype firstNamed(const Entries &entries, std::span<const NameHash> index,
                         const QString &wanted) const;
    // The first position before `before` whose entry a lookup of `looked` (as profileName()
    // gives it) finds; -1 when none is.
    template <typename Entries>
    qsizetype firstLooked(const Entries &entries, std::span<const NameHash> index,
                          const QString &looked, qsizetype before) const;
    std::span<const NameHash> keyIndex(const Section &section) const;
    // True when a lookup of `looked` (as profileName gives it) finds the section or key.
    template <typename Entry>
    bool isLookedName(const Entry &entry, const QString &looked) const;
    // The number of bytes the text takes in the ANSI code page.
    static qsizetype ansiSize(const QString &text);

    ProfileText m_text;
    bool m_utf8MarkBeforeOtherText = false;
    QList<Section> m_sections;
    QList<Key> m_looseKeys;
    QList<Key> m_keys; // shared, never changed, by a copy of the file: the sections view it
    std::vector<NameHash> m_sectionIndex;
    std::vector<NameHash> m_keyIndex;
};

} // namespace tavrolin

// Moved, not copied, when a file's lists grow.
Q_DECLARE_TYPEINFO(tavrolin::SettingsFile::Key, Q_RELOCATABLE_TYPE);
Q_DECLARE_TYPEINFO(tavrolin::SettingsFile::Section, Q_RELOCATABLE_TYPE);
