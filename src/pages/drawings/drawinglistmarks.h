#pragma once

#include <QIcon>
#include <QObject>
#include <QTimer>
#include <vector>

class QLabel;
class QListWidget;
class QProgressBar;
class QWidget;

namespace tavrolin {

class PreflightRunner;

// The check's marks on the drawing list: each drawing with a finding shows the warning icon and
// has the reasons in its tooltip, and one line under the result line counts them ("問題のある図面が
// N 件あります"). While the list is checked, in the background, a progress bar shows how far.
// The marks follow every check of the list that ends, whichever page started it, so findings
// that need the grid or the release appear once those are known. The entries are marked a few
// thousand at a time between turns of the event loop, so marking 50 000 never stops the window.
class DrawingListMarks : public QObject
{
    Q_OBJECT

public:
    // The summary line and the progress bar are placed in `area`, where the import's progress
    // line and bar stand while a drop is imported.
    DrawingListMarks(QListWidget &list, QWidget &area, PreflightRunner &runner);

    // The list was replaced: checks the new one.
    void listChanged();
    // The list was emptied: no marks, no summary, no check.
    void listCleared();

private:
    void showProgress(int checked, int count);
    void showReport();
    void markSome();

    QListWidget &m_list;
    PreflightRunner &m_runner;
    QLabel *m_summary;
    QProgressBar *m_progress;
    QIcon m_icon;
    QTimer m_marking;
    int m_nextRow = 0;          // the next entry to mark from the report
    std::vector<bool> m_marked; // which entries carry a mark
};

} // namespace tavrolin
