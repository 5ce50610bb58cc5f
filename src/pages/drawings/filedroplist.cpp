#include "filedroplist.h"

#include "fulltextdelegate.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <algorithm>

namespace tavrolin {

FileDropList::FileDropList(QWidget *parent) : QListWidget(parent)
{
    // One size for all rows keeps a list of tens of thousands of drawings fast; the delegate
    // makes it fit the longest path.
    setUniformItemSizes(true);
    setItemDelegate(new FullTextDelegate(this));
    setAcceptDrops(true);
}

QStringList FileDropList::localPaths(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    QStringList paths;
    paths.reserve(urls.size());
    for (const QUrl &url : urls) {
        const QString file = url.toLocalFile();
        if (file.isEmpty())
            return {};
        paths.append(QDir::toNativeSeparators(QDir::cleanPath(file)));
    }
    return paths;
}

bool FileDropList::carriesLocalFiles(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return false;
    const QList<QUrl> urls = data->urls();
    return !urls.isEmpty() && std::all_of(urls.begin(), urls.end(), [](const QUrl &url) {
        return !url.toLocalFile().isEmpty();
    });
}

void FileDropList::dragEnterEvent(QDragEnterEvent *event)
{
    m_dragAccepted = carriesLocalFiles(event->mimeData());
    answer(event, m_dragAccepted);
}

// The data stays the same while the drag moves over the list: the answer given on entering.
void FileDropList::dragMoveEvent(QDragMoveEvent *event)
{
    answer(event, m_dragAccepted);
}

void FileDropList::dropEvent(QDropEvent *event)
{
    const QStringList paths = localPaths(event->mimeData());
    answer(event, !paths.isEmpty());
    if (event->isAccepted())
        QMetaObject::invokeMethod(
            this, [this, paths] { emit filesDropped(paths); }, Qt::QueuedConnection);
}

void FileDropList::answer(QDropEvent *event, bool accept)
{
    if (accept && event->possibleActions().testFlag(Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace tavrolin
