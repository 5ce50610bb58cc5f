#pragma once

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QString>

namespace tavrolin {

// The names in the folders of a drawing list, each folder listed once per check, and told
// about without another look at the disk: whether a file exists, and which lock file of an
// AutoCAD session lies beside a drawing. Many drawings share few folders, so one listing per
// folder costs far less than looking up each name, and lock files need any letter case.
class FolderEntries
{
public:
    // True when the path's folder holds an entry of that name: in any letter case on Windows,
    // whose file systems do not tell case apart; exactly elsewhere.
    bool contains(const QString &path);

    // The lock file beside a drawing ("name.dwl" or "name.dwl2" for "name.dwg", in any letter
    // case) as the folder names it, or an empty text when there is none.
    QString lockFileOf(const QFileInfo &drawing);

private:
    struct Listing
    {
        QSet<QString> names;
        QHash<QString, QString> folded; // case-folded name -> the name as listed
    };

    const Listing &listing(const QString &folder);

    QHash<QString, Listing> m_folders;
};

} // namespace tavrolin
