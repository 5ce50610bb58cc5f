#pragma once

#include <QDateTime>
#include <QStringList>
#include <vector>

namespace tavrolin {

struct ScriptSaves;

// The files a drawing's script saves, looked at before the console starts and again after it
// has ended: each must have been written meanwhile (a file saved in place has changed, a new
// file exists).
class SaveWatch
{
public:
    // The files the script saves for drawing `index`: its save-as targets and the DXF file a DXF
    // save writes beside a DWG (a DXF drawing is itself written), or else, when it only saves in
    // place, the drawing itself. A save in place after a save under another name writes that
    // other file, so the drawing is not looked at when the script saves under another name.
    static QStringList filesSaved(const QString &drawing, int index, const ScriptSaves &saves);

    // Looks at the files as they are now.
    explicit SaveWatch(const QStringList &files);

    // The files not written since, in the order given.
    QStringList unwritten() const;

private:
    struct Seen
    {
        QString path;
        bool existed = false;
        QDateTime modified;
        qint64 size = 0;
    };

    std::vector<Seen> m_seen;
};

} // namespace tavrolin
