#pragma once

#include <QListWidget>
#include <QStringList>

class QMimeData;

namespace tavrolin {

// A list box that takes drops of local files and folders, as a file manager drags them: the
// drag data must carry a file list, and every entry of it must be a local file. Anything else
// (dragged text, links to web pages) is refused. The files are copied, never moved: the drop
// only reads their paths. Every path is shown whole (see FullTextDelegate).
class FileDropList : public QListWidget
{
    Q_OBJECT

public:
    explicit FileDropList(QWidget *parent = nullptr);

    // The local paths that drag data carries, with the platform's separators, in the order of
    // the data; empty when the data carries no file list or an entry that is not a local file.
    static QStringList localPaths(const QMimeData *data);

signals:
    // A drop of files, sent after the drop event has returned, so the drag source is released
    // before the files are worked on (which may take long and ask questions).
    void filesDropped(const QStringList &paths);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Whether drag data carries local files only: the paths themselves are needed at the drop.
    static bool carriesLocalFiles(const QMimeData *data);
    static void answer(QDropEvent *event, bool accept);

    bool m_dragAccepted = false;
};

} // namespace tavrolin
