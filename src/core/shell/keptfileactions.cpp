#include "keptfileactions.h"

#include "savedialog.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>
#include <QWidget>
#include <memory>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

// The caption without the "…" that says a dialog follows: the dialog's own title.
QString dialogTitle(const QString &caption)
{
    QString title = caption;
    title.remove(u'…');
    return title;
}

// The user's documents folder, or the home folder where there is none: a folder that does not
// exist would be taken by the dialog for a file name.
QString firstFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

KeptFileActions::KeptFileActions(QWidget &page, const Texts &texts)
    : QObject(&page), m_page(page), m_texts(texts), m_save(new QAction(texts.save, &page)),
      m_open(new QAction(texts.open, &page)), m_folder(firstFolder())
{
    m_save->setObjectName(u"saveAction"_s);
    m_save->setShortcut(QKeySequence::Save);
    m_open->setObjectName(u"openAction"_s);
    m_open->setShortcut(QKeySequence::Open);
    page.addAction(m_save);
    page.addAction(m_open);
    connect(m_save, &QAction::triggered, this, &KeptFileActions::askSave);
    connect(m_open, &QAction::triggered, this, &KeptFileActions::askOpen);
}

void KeptFileActions::offerIn(QWidget &widget)
{
    widget.setContextMenuPolicy(Qt::DefaultContextMenu);
    widget.installEventFilter(this);
}

// A text field keeps its own entries (undo, cut, copy, paste…) before the two of the page.
bool KeptFileActions::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ContextMenu)
        return false;
    auto *lineEdit = qobject_cast<QLineEdit *>(watched);
    std::unique_ptr<QMenu> menu(lineEdit ? lineEdit->createStandardContextMenu() : new QMenu);
    if (lineEdit)
        menu->addSeparator();
    menu->addAction(m_save);
    menu->addAction(m_open);
    menu->exec(static_cast<QContextMenuEvent *>(event)->globalPos());
    return true;
}

void KeptFileActions::askSave()
{
    QString path = getSaveFileName(&m_page, dialogTitle(m_texts.save), m_folder, m_texts.filter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += u".txt"_s;
    if (!mayReplaceFile(path))
        return;
    remember(path);
    emit saveChosen(path);
}

void KeptFileActions::askOpen()
{
    const QString path =
        getOpenFileName(&m_page, dialogTitle(m_texts.open), m_folder, m_texts.filter);
    if (path.isEmpty())
        return;
    remember(path);
    emit openChosen(path);
}

void KeptFileActions::remember(const QString &path)
{
    m_folder = QFileInfo(path).absolutePath();
}

} // namespace tavrolin
