#include "iniread.h"

#include "ansicodec.h"
#include "byteordermark.h"
#include "inputfile.h"

#include <QByteArrayView>
#include <QStringDecoder>
#include <cstring>
#include <optional>

namespace tavrolin {

namespace {

// The blanks that the private-profile reader drops: control characters 9 to 13, ^Z and space.
// The full-width space U+3000 is not among them.
bool isBlank(char16_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20;
}

QByteArrayView trimmed(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && isBlank(static_cast<unsigned char>(bytes.front())))
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && isBlank(static_cast<unsigned char>(bytes.back())))
        bytes.chop(1);
    return bytes;
}

QString trimmed(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text[first].unicode()))
        ++first;
    while (last > first && isBlank(text[last - 1].unicode()))
        --last;
    return text.sliced(first, last - first);
}

// The file's lines as bytes. UTF-16 files are turned into UTF-8 first; UTF-8 and the ANSI code
// page both keep the ASCII punctuation of the format ('[', ']', '=', blanks, line ends) as
// single bytes, so one scanner serves both.
struct ProfileText
{
    QByteArray bytes;
    bool utf8 = false;
};

// A file that cannot be read, or is no regular file of a sane size, reads as a missing one.
ProfileText loadProfile(const QString &path)
{
    QByteArray bytes;
    QString reason;
    if (!readInputFile(path, &bytes, &reason))
        return {};
    const std::optional<ByteOrderMark> mark = byteOrderMark(bytes);
    if (!mark)
        return {bytes, false};
    if (mark->encoding == QStringConverter::Utf8)
        return {bytes.sliced(mark->size), true};
    QStringDecoder decoder(mark->encoding);
    const QString text = decoder.decode(QByteArrayView(bytes).sliced(mark->size));
    return {text.toUtf8(), true};
}

// Position of the CR or LF that ends the line starting at `start`, or the text's size.
qsizetype lineEnd(QByteArrayView all, qsizetype start)
{
    const char *begin = all.data() + start;
    const auto rest = static_cast<size_t>(all.size() - start);
    const void *lf = std::memchr(begin, '\n', rest);
    const size_t lineLength = lf ? static_cast<const char *>(lf) - begin : rest;
    const void *cr = std::memchr(begin, '\r', lineLength);
    return start + (cr ? static_cast<const char *>(cr) - begin : lineLength);
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
        const QByteArrayView all(m_profile.bytes);
        bool inSection = false;
        qsizetype start = 0;
        while (start < all.size()) {
            const qsizetype end = lineEnd(all, start);
            const QByteArrayView line = trimmed(all.sliced(start, end - start));
            start = end + 1;
            if (line.isEmpty())
                continue;
            if (const auto header = sectionName(line)) {
                if (inSection)
                    return std::nullopt; // only the first section of that name counts
                inSection = matches(*header, m_section, m_sectionBytes);
                continue;
            }
            if (inSection) {
                if (auto value = keyValue(line))
                    return value;
            }
        }
        return std::nullopt;
    }

    QString decode(QByteArrayView bytes) const
    {
        return m_profile.utf8 ? QString::fromUtf8(bytes) : ansi::decode(bytes);
    }

private:
    // The name inside "[...]", up to the line's last ']' that is not half of a double-byte
    // character. A '[' line without one is read as a key line, as the platform does.
    std::optional<QByteArrayView> sectionName(QByteArrayView line) const
    {
        if (line.front() != '[')
            return std::nullopt;
        qsizetype close = -1;
        for (qsizetype i = 1; i < line.size(); ++i) {
            const auto byte = static_cast<unsigned char>(line[i]);
            if (byte == ']')
                close = i;
            else if (!m_profile.utf8 && ansi::isLeadByte(byte))
                ++i;
        }
        if (close < 0)
            return std::nullopt;
        return trimmed(line.sliced(1, close - 1));
    }

    // The value of a key line whose key is the one looked for. A matching key without '='
    // ends the search with no value, since the first key of a name wins.
    std::optional<QByteArrayView> keyValue(QByteArrayView line) const
    {
        const qsizetype equals = line.indexOf('=');
        const QByteArrayView name = equals < 0 ? line : trimmed(line.first(equals));
        if (!matches(name, m_key, m_keyBytes))
            return std::nullopt;
        if (equals < 0)
            return QByteArrayView();
        return trimmed(line.sliced(equals + 1));
    }

    // In the ANSI code page a letter and its other case take the same number of bytes, so names
    // of another length are passed over without decoding them.
    bool matches(QByteArrayView name, const QString &wanted, qsizetype wantedBytes) const
    {
        if (!m_profile.utf8 && name.size() != wantedBytes)
            return false;
        return decode(name).compare(wanted, Qt::CaseInsensitive) == 0;
    }

    const ProfileText &m_profile;
    QString m_section;
    QString m_key;
    qsizetype m_sectionBytes;
    qsizetype m_keyBytes;
};

QByteArrayView unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

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

// The texts reach the reader in the ANSI code page, so a character the code page lacks takes
// part in the match as '?', exactly as it would on the platform.
QString throughAnsi(const QString &text)
{
    return ansi::decode(ansi::encode(trimmed(text)));
}

} // namespace

QString iniread(const QString &path, const QString &section, const QString &key)
{
    const QString wantedSection = throughAnsi(section);
    const QString wantedKey = throughAnsi(key);
    if (wantedSection.isEmpty() || wantedKey.isEmpty())
        return {};
    const ProfileText profile = loadProfile(path);
    const ProfileScanner scanner(profile, wantedSection, wantedKey);
    const auto raw = scanner.find();
    if (!raw)
        return {};
    const QByteArrayView value = unquoted(*raw);
    if (!profile.utf8)
        return ansi::decode(cutToLimit(value));
    const QByteArray ansiValue = ansi::encode(QString::fromUtf8(value));
    return ansi::decode(cutToLimit(ansiValue));
}

bool settingsFileReadable(const QString &path, QString *reason)
{
    QByteArray bytes;
    return readInputFile(path, &bytes, reason);
}

} // namespace tavrolin
