#pragma once

#include "core/shell/eventyield.h"
#include "core/shell/navigator.h"
#include "core/shell/pagewindow.h"
#include "dropcontents.h"

class QFrame;
class QGroupBox;
class QLabel;
class QListWidgetItem;
class QProgressBar;
class QPushButton;

namespace tavrolin {

class ClipPlayer;
class DrawingListMarks;
class DwgThumbnail;
struct DrawingListFile;
class FileDropList;
class PreviewCache;

// The drawing list page: the user drops drawings (DWG or DXF files, or folders that hold them)
// onto the list; the page checks them, lists them with the clip and the progress bar running,
// and fills the session's drawing list (DrawingPaths, OpenCommands, DrawingCount), of which it
// is the only writer. Clicking a listed drawing shows its preview in the small box; hovering
// over one shows it enlarged beside the entry.
class openselectfrm : public PageWindow
{
    Q_OBJECT

public:
    explicit openselectfrm(const PageContext &context);

private:
    enum class DropPhase { Idle, Collecting, Importing };

    void buildControls();
    void connectHandlers();

    // Handlers.
    void load();
    void dropFiles(const QStringList &dropped);
    void openList(const DrawingListFile &list);
    void clearList();
    void goNext();
    void showPreview(QListWidgetItem *item);
    void previewRead(const QString &path);

    // Page methods.
    void frmdefaultset();
    void av(const QString &filename);
    void progprocess();
    void clearset();

    // The steps of a drop.
    void takeDrop(const QStringList &dropped, const DrawingListFile *list);
    void importDrop(const QStringList &dropped, const DrawingListFile *list);
    bool mayReplaceList();
    bool checkPass(const QList<DropContents::Entry> &entries, const DrawingListFile *list,
                   QString *refusal);
    static QString refusalOf(const DropContents::Entry &entry, const DrawingListFile *list);
    bool importPass(const QList<DropContents::Entry> &entries);
    void finishImport();
    void refuseDrop(const QString &warning);
    void abandonDrop(const QString &failure);
    void hideAnimation();
    bool turnEventLoop(bool immediately = false);

    bool hasDrawingList() const;

    PageContext m_context;
    EventYield m_yield;
    // The previews of the listed drawings, read in the background for the small box and the
    // enlarged preview.
    PreviewCache *m_previews = nullptr;
    // The check's marks on the listed drawings and its summary line.
    DrawingListMarks *m_marks = nullptr;
    DropPhase m_phase = DropPhase::Idle;

    // The number of files of the drop being imported (the progress bar's maximum) and of those
    // already added (its position).
    int dropcount = 0;
    int addcount = 0;

    QGroupBox *Frame1 = nullptr;
    QLabel *Label1 = nullptr;
    ClipPlayer *Animation1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    FileDropList *List1 = nullptr;
    QPushButton *Command1 = nullptr;
    QLabel *Label4 = nullptr;
    DwgThumbnail *DwgThumbnail1 = nullptr;
    QPushButton *Cmdbefore = nullptr;
    QPushButton *cmdnext = nullptr;
    QPushButton *cmdcan = nullptr;
    QFrame *Line1 = nullptr;
};

} // namespace tavrolin
