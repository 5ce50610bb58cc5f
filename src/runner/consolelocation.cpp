#include "consolelocation.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

// A release key's number, "R24.1" as 24 and 1; a name of another form comes after every
// release.
std::pair<int, int> releaseNumber(const QString &key)
{
    static const QRegularExpression form(u"^R(\\d+)\\.(\\d+)$"_s);
    const QRegularExpressionMatch match = form.match(key);
    if (!match.hasMatch())
        return {-1, -1};
    return {match.captured(1).toInt(), match.captured(2).toInt()};
}

} // namespace

ConsoleLocation::ConsoleLocation(ValueReader readValue, SubkeyReader readSubkeys)
    : m_readValue(std::move(readValue)), m_readSubkeys(std::move(readSubkeys))
{}

std::optional<QString> ConsoleLocation::find() const
{
    const QString releasesKey = QString::fromUtf16(kReleasesKey);
    QStringList releases = m_readSubkeys(RegistryRoot::LocalMachine, releasesKey);
    std::stable_sort(releases.begin(), releases.end(), [](const QString &a, const QString &b) {
        return releaseNumber(a) > releaseNumber(b);
    });
    for (const QString &release : std::as_const(releases)) {
        const QString releaseKey = releasesKey + u'\\' + release;
        for (const QString &product : m_readSubkeys(RegistryRoot::LocalMachine, releaseKey)) {
            QString folder;
            if (!m_readValue(RegistryRoot::LocalMachine, releaseKey + u'\\' + product,
                             u"AcadLocation"_s, folder) ||
                folder.isEmpty())
                continue;
            const QString console = QDir(folder).filePath(QString::fromUtf16(kConsoleName));
            if (QFileInfo(console).isFile())
                return QDir::toNativeSeparators(console);
        }
    }
    return std::nullopt;
}

} // namespace tavrolin
