#pragma once

#include <QFileInfo>
#include <QHash>
#include <QString>

namespace tavrolin {

// Tells when two paths name the same file: each path's key is its canonical path (links
// resolved, "." and ".." gone), compared without regard to letter case on Windows. A file that
// does not exist is keyed by its folder's canonical path and its name. Each folder's canonical
// path is looked up once.
class PathIdentity
{
public:
    // `isLink` tells whether the path is a link, as the caller has asked already.
    QString keyOf(const QFileInfo &info, bool isLink);

private:
    QString canonicalFolder(const QString &folder);

    QHash<QString, QString> m_folders; // folder as written -> its canonical path
};

} // namespace tavrolin
