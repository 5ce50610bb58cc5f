#pragma once

#include <QList>
#include <QObject>

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
// that need the grid or the release appear once those are known.
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
    void clearMarks();

    QListWidget &m_list;
    PreflightRunner &m_runner;
    QLabel *m_summary;
    QProgressBar *m_progress;
    QList<int> m_marked; // the rows that carry a mark
};

} // namespace tavrolin
