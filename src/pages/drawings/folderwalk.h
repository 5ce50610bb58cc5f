#pragma once

#include <QFileInfo>
#include <QSet>
#include <QString>
#include <QStringList>
#include <set>

namespace tavrolin {

// The folders of a dropped folder, each real folder once. A link to a folder (a symbolic link,
// or a junction on Windows) leads into that folder like a folder. Folders reached without a
// link come first, so a drawing that the dropped folder holds itself is listed under its own
// path; a link back to a folder already walked (a loop) leads nowhere.
class FolderWalk
{
public:
    explicit FolderWalk(const QString &folder);

    // The next folder to walk, or the empty text when every folder has been walked.
    QString next();

    // A folder found while walking the current one.
    void found(const QFileInfo &folder);

private:
    QStringList m_plain;        // reached without a link, walked first
    std::set<QString> m_linked; // reached through a link, in a fixed order
    QSet<QString> m_walked;     // the real places of the folders walked
};

} // namespace tavrolin
