#include "dropcontents.h"

#include "core/drawingpath.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>
#include <utility>
#include <vector>

namespace tavrolin {

namespace {

// Ascending order of full paths without regard to case; paths that differ only in case keep a
// fixed order between them. Each path is case-folded once: folding inside every comparison of
// the sort took half a second for 50 000 paths.
void sortPaths(QStringList *paths)
{
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(size_t(paths->size()));
    for (QString &path : *paths)
        keyed.emplace_back(path.toCaseFolded(), std::move(path));
    std::sort(keyed.begin(), keyed.end());
    for (qsizetype i = 0; i < paths->size(); ++i)
        (*paths)[i] = std::move(keyed[size_t(i)].second);
}

} // namespace

DropContents::Outcome DropContents::expand(const QStringList &dropped, int capacity,
                                           const std::function<bool()> &turn)
{
    m_entries.clear();
    for (const QString &path : dropped) {
        if (!turn())
            return Outcome::Stopped;
        if (QFileInfo(path).isDir()) {
            const Outcome folder = addFolder(path, capacity, turn);
            if (folder != Outcome::Complete)
                return folder;
        } else {
            m_entries.append({path, Kind::File});
        }
        if (m_entries.size() > capacity)
            return Outcome::OverCapacity;
    }
    return Outcome::Complete;
}

DropContents::Outcome DropContents::addFolder(const QString &folder, int capacity,
                                              const std::function<bool()> &turn)
{
    QStringList drawings;
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        if (!turn())
            return Outcome::Stopped;
        const QString path = files.next();
        if (!isDrawingPath(path))
            continue;
        if (m_entries.size() + drawings.size() == capacity)
            return Outcome::OverCapacity;
        drawings.append(QDir::toNativeSeparators(path));
    }
    if (drawings.isEmpty()) {
        m_entries.append({folder, Kind::EmptyFolder});
        return Outcome::Complete;
    }
    sortPaths(&drawings);
    for (QString &drawing : drawings)
        m_entries.append({std::move(drawing), Kind::FolderDrawing});
    return Outcome::Complete;
}

} // namespace tavrolin
