#include "savewatch.h"

#include "generation/scriptsaves.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tavrolin {

QStringList SaveWatch::filesSaved(const QString &drawing, int index, const ScriptSaves &saves)
{
    QStringList files;
    if (index < int(saves.savedAs.size()))
        files = saves.savedAs[index];
    if (saves.dxf) {
        const bool dwg = drawing.endsWith(u".dwg"_s, Qt::CaseInsensitive);
        files.append(dwg ? drawing.first(drawing.size() - 4) + u".dxf"_s : drawing);
    }
    if (saves.inPlace && files.isEmpty())
        files.append(drawing);
    return files;
}

SaveWatch::SaveWatch(const QStringList &files)
{
    m_seen.reserve(files.size());
    for (const QString &path : files) {
        const QFileInfo info(path);
        m_seen.push_back({path, info.exists(), info.lastModified(), info.size()});
    }
}

QStringList SaveWatch::unwritten() const
{
    QStringList files;
    for (const Seen &before : m_seen) {
        const QFileInfo now(before.path);
        const bool written = now.exists() && (!before.existed || now.size() != before.size ||
                                              now.lastModified() != before.modified);
        if (!written)
            files.append(before.path);
    }
    return files;
}

} // namespace tavrolin
