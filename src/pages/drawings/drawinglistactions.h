#pragma once

#include "core/drawinglistfile.h"

#include <QObject>

class QWidget;

namespace tavrolin {

class KeptFileActions;
struct Session;

// The drawing list page's "図面リストを保存…" and "図面リストを開く…" (in the list's context menu,
// and Ctrl+S, Ctrl+O): the session's drawing list kept in a drawing list file, the format that
// "tavrolin script --drawings" reads, and a list read from one handed on as a drop of its
// paths, so it meets the same checks, questions and limits; a refusal names the line.
class DrawingListActions : public QObject
{
    Q_OBJECT

public:
    DrawingListActions(QWidget &page, QWidget &list, const Session &session);

signals:
    // A drawing list file read, whose drawings are to be dropped on the list.
    void listRead(const DrawingListFile &list);

private:
    void save(const QString &path);
    void open(const QString &path);

    const Session &m_session;
    KeptFileActions *m_actions;
};

} // namespace tavrolin
