#include "listpreviewer.h"

#include "platform/preview/previewcache.h"
#include "previewpopup.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>

namespace tavrolin {

ListPreviewer::ListPreviewer(QListWidget &list, PreviewCache &cache)
    : QObject(&list), m_list(list), m_viewport(list.viewport()), m_cache(cache),
      m_popup(new PreviewPopup(&list))
{
    m_rest.setSingleShot(true);
    m_rest.setInterval(RestDelay);
    connect(&m_rest, &QTimer::timeout, this, [this] { mouseAt(m_mouse); });
    connect(&m_cache, &PreviewCache::ready, this, [this](const QString &path) {
        if (path == m_path)
            showIfKnown();
    });
    connect(&m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) {
        if (m_trigger == Trigger::Keys)
            preview(item, Trigger::Keys);
    });
    const auto hideOnChange = [this] { hide(); };
    connect(m_list.model(), &QAbstractItemModel::rowsRemoved, this, hideOnChange);
    connect(m_list.model(), &QAbstractItemModel::modelReset, this, hideOnChange);
    connect(m_list.verticalScrollBar(), &QScrollBar::valueChanged, this, hideOnChange);
    connect(m_list.horizontalScrollBar(), &QScrollBar::valueChanged, this, hideOnChange);
    m_viewport->setMouseTracking(true);
    m_viewport->installEventFilter(this);
    m_list.installEventFilter(this);
}

bool ListPreviewer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_viewport)
        return viewportEvent(event);
    if (watched == &m_list)
        return listEvent(event);
    return false;
}

bool ListPreviewer::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        m_mouse = static_cast<QMouseEvent *>(event)->position().toPoint();
        // Once the mouse has rested on an entry, the preview follows it at once.
        if (m_trigger == Trigger::Mouse)
            mouseAt(m_mouse);
        else if (m_trigger != Trigger::Keys)
            m_rest.start();
        break;
    }
    // The preview names the drawing and its folder; the entry's tooltip would only cover it,
    // unless the entry has one of its own (the reasons of the check's mark).
    case QEvent::ToolTip: {
        const QListWidgetItem *item = m_list.itemAt(static_cast<QHelpEvent *>(event)->pos());
        return m_popup->isVisible() && (!item || item->toolTip().isEmpty());
    }
    case QEvent::Leave:
    case QEvent::Wheel:
    case QEvent::MouseButtonPress:
        if (m_trigger != Trigger::Keys)
            hide();
        break;
    default:
        break;
    }
    return false;
}

bool ListPreviewer::listEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Space) {
            if (m_trigger == Trigger::Keys)
                hide();
            else
                preview(m_list.currentItem(), Trigger::Keys);
            return true;
        }
        if (key == Qt::Key_Escape && m_trigger != Trigger::None) {
            hide();
            return true;
        }
        break;
    }
    case QEvent::FocusOut:
    case QEvent::Hide:
        hide();
        break;
    default:
        break;
    }
    return false;
}

void ListPreviewer::mouseAt(const QPoint &position)
{
    if (!m_viewport->rect().contains(position)) {
        hide();
        return;
    }
    QListWidgetItem *item = m_list.itemAt(position);
    if (item)
        preview(item, Trigger::Mouse);
    else
        hide();
}

void ListPreviewer::preview(QListWidgetItem *item, Trigger trigger)
{
    if (!item) {
        hide();
        return;
    }
    m_trigger = trigger;
    m_row = m_list.row(item);
    const QString path = item->text();
    if (path == m_path)
        return;
    m_path = path;
    // The preview of another entry must not stand beside this one while it is read.
    m_popup->hide();
    m_cache.request(m_path);
    showIfKnown();
}

// Shows the preview of the entry being previewed once the cache knows it; a drawing without one
// hides what showed before.
void ListPreviewer::showIfKnown()
{
    QListWidgetItem *item = m_list.item(m_row);
    const std::optional<QImage> image = m_cache.find(m_path);
    if (!image || !item || item->text() != m_path)
        return;
    if (image->isNull()) {
        m_popup->hide();
        return;
    }
    const QRect listRect(m_list.mapToGlobal(QPoint(0, 0)), m_list.size());
    const int entryTop = m_viewport->mapToGlobal(m_list.visualItemRect(item).topLeft()).y();
    m_popup->showPreview(m_path, *image, listRect, entryTop);
}

void ListPreviewer::hide()
{
    m_rest.stop();
    m_trigger = Trigger::None;
    m_row = -1;
    m_path.clear();
    m_popup->hide();
}

} // namespace tavrolin
