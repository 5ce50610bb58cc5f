#include "folderentries.h"

#include <QDirIterator>

using namespace Qt::StringLiterals;

namespace tavrolin {

bool FolderEntries::contains(const QString &path)
{
    const QFileInfo info(path);
    const Listing &entries = listing(info.path());
#ifdef Q_OS_WIN
    return entries.folded.contains(info.fileName().toCaseFolded());
#else
    return entries.names.contains(info.fileName());
#endif
}

QString FolderEntries::lockFileOf(const QFileInfo &drawing)
{
    const Listing &entries = listing(drawing.path());
    const QString stem = drawing.completeBaseName().toCaseFolded();
    for (const QString &extension : {u".dwl"_s, u".dwl2"_s}) {
        const auto found = entries.folded.constFind(stem + extension);
        if (found != entries.folded.cend())
            return *found;
    }
    return {};
}

// A folder that cannot be listed holds nothing as far as the check can tell.
const FolderEntries::Listing &FolderEntries::listing(const QString &folder)
{
    const auto known = m_folders.constFind(folder);
    if (known != m_folders.cend())
        return *known;
    Listing entries;
    QDirIterator walk(folder,
                      QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (walk.hasNext()) {
        walk.next();
        const QString name = walk.fileName();
        entries.names.insert(name);
        entries.folded.insert(name.toCaseFolded(), name);
    }
    return *m_folders.insert(folder, std::move(entries));
}

} // namespace tavrolin
