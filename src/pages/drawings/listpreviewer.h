#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <QTimer>

class QListWidget;
class QListWidgetItem;

namespace tavrolin {

class PreviewCache;
class PreviewPopup;

// Shows a listed drawing's preview, enlarged, beside its entry: when the mouse rests on the
// entry, and while it moves on to others; or when Space is pressed on the focused entry, and
// then for each entry the keys move to. The mouse leaving the list, Space again, Escape, the
// list losing the focus or changing hide it. A drawing without a preview shows nothing. The
// previews come from the cache, so nothing waits for a drawing to be read.
class ListPreviewer : public QObject
{
    Q_OBJECT

public:
    static constexpr int RestDelay = 400; // milliseconds the mouse rests before the first preview

    // Lives as long as the list, as does its popup window.
    ListPreviewer(QListWidget &list, PreviewCache &cache);

    PreviewPopup &popup() const { return *m_popup; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Trigger { None, Mouse, Keys };

    bool viewportEvent(QEvent *event);
    bool listEvent(QEvent *event);
    void mouseAt(const QPoint &position);
    void preview(QListWidgetItem *item, Trigger trigger);
    void showIfKnown();
    void hide();

    QListWidget &m_list;
    // The list's viewport, kept: while the list is destroyed, its viewport still reports events
    // when the list can no longer be asked for it.
    QWidget *m_viewport;
    PreviewCache &m_cache;
    PreviewPopup *m_popup;
    QTimer m_rest;
    QPoint m_mouse; // where the mouse last moved, in the list's viewport
    // The entry being previewed, by row and path (entries are replaced when the list changes).
    int m_row = -1;
    QString m_path;
    Trigger m_trigger = Trigger::None;
};

} // namespace tavrolin
