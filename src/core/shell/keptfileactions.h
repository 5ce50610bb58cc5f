#pragma once

#include <QObject>
#include <QString>

class QAction;
class QWidget;

namespace tavrolin {

// The "save…" and "open…" of a page whose contents can be kept in a file and used again (the
// command grid, the drawing list): two actions with the usual shortcuts (Ctrl+S, Ctrl+O) on the
// page's window, also offered in the context menu of the widgets given to offerIn() (after the
// standard entries of a text field). The file is asked for through the dialog seams, starting
// in the folder used last; a name without extension gets ".txt", and an existing file is
// replaced only after a question. The page reads or writes the file when told.
class KeptFileActions : public QObject
{
    Q_OBJECT

public:
    struct Texts
    {
        QString save;   // the save action's caption, "…" included
        QString open;   // the open action's caption
        QString filter; // the dialogs' file filter
    };

    KeptFileActions(QWidget &page, const Texts &texts);

    void offerIn(QWidget &widget);
    QAction &saveAction() const { return *m_save; }
    QAction &openAction() const { return *m_open; }

signals:
    void saveChosen(const QString &path);
    void openChosen(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void askSave();
    void askOpen();
    void remember(const QString &path);

    QWidget &m_page;
    Texts m_texts;
    QAction *m_save;
    QAction *m_open;
    QString m_folder;
};

} // namespace tavrolin
