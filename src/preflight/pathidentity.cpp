#include "pathidentity.h"

#include <QDir>

namespace tavrolin {

QString PathIdentity::keyOf(const QFileInfo &info, bool isLink)
{
    QString key = isLink ? info.canonicalFilePath() : QString();
    if (key.isEmpty())
        key = canonicalFolder(info.path()) + u'/' + info.fileName();
#ifdef Q_OS_WIN
    key = key.toCaseFolded();
#endif
    return key;
}

QString PathIdentity::canonicalFolder(const QString &folder)
{
    const auto known = m_folders.constFind(folder);
    if (known != m_folders.cend())
        return *known;
    const QFileInfo info(folder);
    QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty())
        canonical = QDir::cleanPath(info.absoluteFilePath());
    return *m_folders.insert(folder, canonical);
}

} // namespace tavrolin
