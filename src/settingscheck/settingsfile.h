#pragma once

#include "core/profiletext.h"

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

namespace tavrolin {

// The settings file as the wizard's reader sees it, laid out for the settings check: its
// sections and key lines in file order with their line numbers, and the values that lookups
// give. A section or key is found as the reader finds it (letter case and blanks ignored, the
// first of a name winning), and a value is exactly what the reader returns.
class SettingsFile
{
public:
    struct Key
    {
        QString name;
        QByteArray nameBytes; // as written
        int line = 0;
        bool hasEquals = false;
        QByteArray rawValue; // as written, blanks around it removed
        bool isComment() const { return name.startsWith(u';'); }
    };

    struct Section
    {
        QString name;
        QByteArray nameBytes; // as written
        int line = 0;
        QList<Key> keys;
        bool isFirstOfName = true; // a later section of the same name is never read
        // The keys by their folded names (see SettingsFile::foldedName), each name's in order.
        QHash<QString, QList<qsizetype>> keysByName;
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
    // The key line whose value the reader returns, or nullptr.
    const Key *key(const QString &section, const QString &key) const;
    // The index of the section's first key line that a lookup of `name` finds, or -1.
    qsizetype firstKey(const Section &section, const QString &name) const;
    // The value a lookup returns: the empty text for a missing section or key.
    QString value(const QString &section, const QString &key) const;
    // The line to name for a finding about a key: the key's line, else its section's header
    // line, else 0.
    int lineOf(const QString &section, const QString &key) const;

    // True when a section or key name as written is the name looked for, as the reader matches.
    bool isNamed(const QByteArray &nameBytes, const QString &wanted) const;
    // True when two names looked up find the same section or key.
    static bool sameLookup(const QString &a, const QString &b);
    // A name with each character case-folded as the reader's comparison folds it: names that
    // match have the same folded name, so lookups go to the few entries that may match.
    static QString foldedName(const QString &name);

private:
    void addLine(const ProfileText::Line &line);
    // The first of the indexes (of entries with names as written) that `isNamed(wanted)`;
    // -1 when none is.
    template <typename Entries>
    qsizetype firstNamed(const Entries &entries, const QHash<QString, QList<qsizetype>> &byName,
                         const QString &wanted) const;

    ProfileText m_text;
    bool m_utf8MarkBeforeOtherText = false;
    QList<Section> m_sections;
    QHash<QString, QList<qsizetype>> m_sectionsByName;
    QList<Key> m_looseKeys;
};

} // namespace tavrolin
