#pragma once

#include "runner/consolelocation.h"

#include <QObject>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace tavrolin {

// The finish page's controls of the run on the core console: the console's path, chosen with
// "参照…" and remembered for the next start of the program (at first, the console of the newest
// AutoCAD installed, as the registry names it on Windows), and the number of consoles at a
// time.
class ConsoleChoice : public QObject
{
    Q_OBJECT

public:
    ConsoleChoice(QWidget &page, const ConsoleLocation &location = ConsoleLocation());

    QString path() const;
    int jobs() const;
    void setEnabled(bool enabled);

    // Keeps the path for the next start.
    void remember() const;

    // The remembered path, or else the installed console; empty when there is neither.
    static QString initialPath(const ConsoleLocation &location);

private:
    void browse();

    QWidget &m_page;
    QLineEdit *m_path;
    QPushButton *m_browse;
    QLabel *m_jobsCaption;
    QSpinBox *m_jobs;
};

} // namespace tavrolin
