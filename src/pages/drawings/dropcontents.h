#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace tavrolin {

// The paths a drop of files and folders stands for. A dropped file stands for itself; its name
// is tested later, by the check pass. A dropped folder stands for the drawings inside it and its
// sub-folders, hidden ones included, and inside the folders its links lead to, each real folder
// once; they are ordered by their folder names and file names, component by component, without
// regard to letter case. Its other files are skipped. Entries keep the order of the drop.
class DropContents
{
public:
    enum class Kind {
        File,          // a dropped file
        FolderDrawing, // a drawing found in a dropped folder
        EmptyFolder,   // a dropped folder that holds no drawing
    };

    struct Entry
    {
        QString path;
        Kind kind;
        qsizetype source; // the index of the dropped path it comes from
    };

    enum class Outcome {
        Complete,
        OverCapacity, // the drop stands for more than the capacity: the walk stopped there
        Stopped,      // `turn` asked to stop
    };

    // Expands the dropped paths. `turn` runs between two files or folders looked at (the walk of
    // a large folder takes a while) and stops the expansion when it returns false.
    Outcome expand(const QStringList &dropped, int capacity, const std::function<bool()> &turn);

    const QList<Entry> &entries() const { return m_entries; }

private:
    Outcome addFolder(qsizetype source, const QString &folder, int capacity,
                      const std::function<bool()> &turn);

    QList<Entry> m_entries;
};

} // namespace tavrolin
