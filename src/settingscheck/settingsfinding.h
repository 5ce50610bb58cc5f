#pragma once

#include <QHashFunctions>
#include <QList>
#include <QString>

namespace tavrolin {

// One problem that the settings check found: where it is (line from 1, 0 when the problem has
// no line, such as a missing section; the section and key concerned, either may be empty) and
// what it means for the wizard, in Japanese. A finding may also only inform, about how the file
// is read: it is no problem.
struct SettingsFinding
{
    int line = 0;
    QString section;
    QString key;
    QString message;
    bool information = false;

    // One line of text: "12行目 [レイヤー] type: …".
    QString text() const
    {
        QString text;
        text.reserve(section.size() + key.size() + message.size() + 24);
        if (line > 0)
            text.append(QString::number(line)).append(u"行目");
        if (!section.isEmpty())
            text.append(text.isEmpty() ? u"[" : u" [").append(section).append(u']');
        if (!key.isEmpty())
            text.append(u' ').append(key);
        if (!text.isEmpty())
            text.append(u": ");
        return text.append(message);
    }

    bool operator==(const SettingsFinding &) const = default;
};

inline size_t qHash(const SettingsFinding &finding, size_t seed = 0)
{
    return qHashMulti(seed, finding.line, finding.section, finding.key, finding.message);
}

} // namespace tavrolin

// Moved, not copied, when a list of findings grows.
Q_DECLARE_TYPEINFO(tavrolin::SettingsFinding, Q_RELOCATABLE_TYPE);

namespace tavrolin {

using SettingsFindings = QList<SettingsFinding>;

// True when a finding is a problem, not only information.
inline bool holdsProblem(const SettingsFindings &findings)
{
    for (const SettingsFinding &finding : findings) {
        if (!finding.information)
            return true;
    }
    return false;
}

} // namespace tavrolin
