#include "drawinglistactions.h"

#include "core/drawinglistfile.h"
#include "core/filefailure.h"
#include "core/session.h"
#include "core/shell/keptfileactions.h"
#include "core/shell/messagebox.h"

#include <QWidget>

using namespace Qt::StringLiterals;

namespace tavrolin {

DrawingListActions::DrawingListActions(QWidget &page, QWidget &list, const Session &session)
    : QObject(&page), m_session(session),
      m_actions(new KeptFileActions(page, {u"図面リストを保存…"_s, u"図面リストを開く…"_s,
                                           u"図面リスト (*.txt);;すべてのファイル (*)"_s}))
{
    m_actions->offerIn(list);
    connect(m_actions, &KeptFileActions::saveChosen, this, &DrawingListActions::save);
    connect(m_actions, &KeptFileActions::openChosen, this, &DrawingListActions::open);
}

void DrawingListActions::save(const QString &path)
{
    if (m_session.DrawingCount == 0) {
        showMessage(u"ファイルは選択されていません"_s, ExclamationWarning);
        return;
    }
    const QStringList drawings(m_session.DrawingPaths.begin(),
                               m_session.DrawingPaths.begin() + m_session.DrawingCount);
    QString error;
    if (!writeDrawingListFile(path, drawings, &error))
        showMessage(error, ExclamationWarning);
}

void DrawingListActions::open(const QString &path)
{
    DrawingListFile list;
    QString error;
    if (!readDrawingListFile(path, &list, &error)) {
        showMessage(error, ExclamationWarning);
        return;
    }
    if (list.drawings.isEmpty()) {
        showMessage(u"図面リスト %1 に図面がありません"_s.arg(messagePath(path)),
                    ExclamationWarning);
        return;
    }
    emit listRead(list);
}

} // namespace tavrolin
