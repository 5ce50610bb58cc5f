#include "drawinglistmarks.h"

#include "core/shell/layout.h"
#include "preflight/preflightrunner.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

const QString kChecking = u"図面を確認しています"_s;
const QString kSummary = u"問題のある図面が %1 件あります"_s;

// The reasons of a drawing's findings, one to a line.
QString reasons(const DrawingFindings &findings)
{
    QStringList lines;
    for (const Finding &finding : findings)
        lines.append(u"・"_s + finding.message);
    return lines.join(u'\n');
}

} // namespace

DrawingListMarks::DrawingListMarks(QListWidget &list, QWidget &area, PreflightRunner &runner)
    : QObject(&list), m_list(list), m_runner(runner), m_summary(new QLabel(&area)),
      m_progress(new QProgressBar(&area))
{
    m_summary->setObjectName(u"lblFindings"_s);
    placeTwips(m_summary, 120, 1560, 2895, 255);
    m_summary->hide();
    m_progress->setObjectName(u"prgCheck"_s);
    m_progress->setTextVisible(false);
    placeTwips(m_progress, 120, 1800, 2895, 255);
    m_progress->hide();
    connect(&m_runner, &PreflightRunner::progressed, this, &DrawingListMarks::showProgress);
    connect(&m_runner, &PreflightRunner::finished, this, &DrawingListMarks::showReport);
}

void DrawingListMarks::listChanged()
{
    clearMarks();
    m_runner.listChanged();
    m_runner.start();
}

void DrawingListMarks::listCleared()
{
    m_runner.listChanged();
    clearMarks();
    m_summary->hide();
    m_progress->hide();
}

void DrawingListMarks::showProgress(int checked, int count)
{
    m_summary->setText(kChecking);
    m_summary->show();
    m_progress->setRange(0, count);
    m_progress->setValue(checked);
    m_progress->show();
}

// A report of another list than the one shown (a check that ended as the list was replaced)
// leaves the marks as they are.
void DrawingListMarks::showReport()
{
    const std::optional<PreflightReport> &report = m_runner.report();
    if (!report || report->drawings.size() != m_list.count())
        return;
    clearMarks();
    const QIcon mark = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (int row = 0; row < m_list.count(); ++row) {
        const DrawingFindings &findings = report->findings[row];
        QListWidgetItem *item = m_list.item(row);
        if (findings.isEmpty() || item->text() != report->drawings[row])
            continue;
        item->setIcon(mark);
        item->setToolTip(item->text() + u'\n' + reasons(findings));
        item->setData(Qt::AccessibleDescriptionRole, reasons(findings));
        m_marked.append(row);
    }
    m_progress->hide();
    m_summary->setText(kSummary.arg(m_marked.size()));
    m_summary->setVisible(!m_marked.isEmpty());
}

void DrawingListMarks::clearMarks()
{
    for (const int row : std::as_const(m_marked)) {
        if (QListWidgetItem *item = m_list.item(row)) {
            item->setIcon(QIcon());
            item->setToolTip(QString());
            item->setData(Qt::AccessibleDescriptionRole, QVariant());
        }
    }
    m_marked.clear();
}

} // namespace tavrolin
