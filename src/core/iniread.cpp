#include "iniread.h"

#include "ansicodec.h"
#include "inputfile.h"
#include "profiletext.h"

#include <QByteArrayView>
#include <algorithm>
#include <optional>

namespace tavrolin {

namespace {

QString trimmed(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && ProfileText::isBlank(text[first].unicode()))
        ++first;
    while (last > first && ProfileText::isBlank(text[last - 1].unicode()))
        --last;
    return last - first == text.size() ? text : text.sliced(first, last - first);
}

// Printable ASCII is the same in every ANSI code page and in UTF-8, so most names, written in
// it, are compared and looked up without going through the code page.
bool isPrintableAscii(char16_t c)
{
    return c >= 0x20 && c < 0x7F;
}

bool isPrintableAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return isPrintableAscii(c.unicode()); });
}

bool isPrintableAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return isPrintableAscii(char16_t(uchar(c))); });
}

// In the ANSI code page a letter and its other case take the same number of bytes, so names of
// another length are passed over without decoding them.
bool nameMatches(const ProfileText &profile, QByteArrayView name, const QString &wanted,
                 qsizetype wantedBytes)
{
    if (!profile.isUtf8() && name.size() != wantedBytes)
        return false;
    if (isPrintableAscii(name))
        return QLatin1StringView(name).compare(wanted, Qt::CaseInsensitive) == 0;
    return profile.decode(name).compare(wanted, Qt::CaseInsensitive) == 0;
}

class ProfileScanner
{
public:
    ProfileScanner(const ProfileText &profile, const QString &section, const QString &key)
        : m_profile(profile), m_section(section), m_key(key),
          m_sectionBytes(ansi::encode(section).size()), m_keyBytes(ansi::encode(key).size())
    {}

    // The raw value of the key, or nothing when the section or key is missing.
    std::optional<QByteArrayView> find() const
    {
        bool inSection = false;
        ProfileText::Cursor cursor;
        ProfileText::Line line;
        while (m_profile.nextLine(&cursor, &line)) {
            if (const auto header = m_profile.sectionName(line.text)) {
                if (inSection)
                    return std::nullopt; // only the first section of that name counts
                inSection = matches(*header, m_section, m_sectionBytes);
                continue;
            }
            if (inSection) {
                if (auto value = keyValue(line.text))
                    return value;
            }
        }
        return std::nullopt;
    }

private:
    // The value of a key line whose key is the one looked for. A matching key without '='
    // ends the search with no value, since the first key of a name wins.
    std::optional<QByteArrayView> keyValue(QByteArrayView line) const
    {
        const ProfileText::KeyLine keyLine = ProfileText::keyLine(line);
        if (!matches(keyLine.key, m_key, m_keyBytes))
            return std::nullopt;
        return keyLine.value.value_or(QByteArrayView());
    }

    bool matches(QByteArrayView name, const QString &wanted, qsizetype wantedBytes) const
    {
        return nameMatches(m_profile, name, wanted, wantedBytes);
    }

    const ProfileText &m_profile;
    QString m_section;
    QString m_key;
    qsizetype m_sectionBytes;
    qsizetype m_keyBytes;
};

// Cuts ANSI bytes to the value limit, never between the two bytes of one character.
QByteArrayView cutToLimit(QByteArrayView bytes)
{
    qsizetype end = 0;
    while (end < bytes.size()) {
        const qsizetype width = ansi::isLeadByte(static_cast<unsigned char>(bytes[end])) ? 2 : 1;
        if (end + width > kIniValueLimit)
            break;
        end += width;
    }
    return bytes.first(qMin(end, bytes.size()));
}

} // namespace

// The texts reach the reader in the ANSI code page, so a character the code page lacks takes
// part in the match as '?', exactly as it would on the platform.
QString profileName(const QString &name)
{
    const QString cut = trimmed(name);
    return isPrintableAscii(cut) ? cut : ansi::decode(ansi::encode(cut));
}

bool profileNameMatches(const ProfileText &profile, QByteArrayView name, const QString &wanted)
{
    return profileNameIs(profile, name, profileName(wanted));
}

bool profileNameIs(const ProfileText &profile, QByteArrayView name, const QString &looked)
{
    if (looked.isEmpty())
        return false;
    const qsizetype bytes = isPrintableAscii(looked) ? looked.size() : ansi::encode(looked).size();
    return nameMatches(profile, name, looked, bytes);
}

QString iniread(const QString &path, const QString &section, const QString &key)
{
    if (profileName(section).isEmpty() || profileName(key).isEmpty())
        return {};
    return iniread(ProfileText::load(path), section, key);
}

QString iniread(const ProfileText &profile, const QString &section, const QString &key)
{
    const QString wantedSection = profileName(section);
    const QString wantedKey = profileName(key);
    if (wantedSection.isEmpty() || wantedKey.isEmpty())
        return {};
    const ProfileScanner scanner(profile, wantedSection, wantedKey);
    const auto raw = scanner.find();
    if (!raw)
        return {};
    return profileValue(profile, *raw);
}

QString profileValue(const ProfileText &profile, QByteArrayView rawValue)
{
    return ansi::decode(cutToLimit(profile.ansiValue(rawValue)));
}

bool settingsFileReadable(const QString &path, QString *reason)
{
    QByteArray bytes;
    return readInputFile(path, &bytes, reason);
}

} // namespace tavrolin
