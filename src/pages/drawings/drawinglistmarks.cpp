#include "drawinglistmarks.h"

#include "core/shell/layout.h"
#include "preflight/preflightrunner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

const QString kChecking = u"図面を確認しています"_s;
const QString kSummary = u"問題のある図面が %1 件あります"_s;

// How long one turn of marking may keep the event loop waiting, in milliseconds.
constexpr int kMarkingTurn = 8;

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
      m_progress(new QProgressBar(&area)),
      m_icon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning))
{
    m_summary->setObjectName(u"lblFindings"_s);
    placeTwips(m_summary, 120, 1560, 2895, 255);
    m_summary->hide();
    m_progress->setObjectName(u"prgCheck"_s);
    m_progress->setTextVisible(false);
    placeTwips(m_progress, 120, 1800, 2895, 255);
    m_progress->hide();
    // The icon no taller than a line of text, so the list shows as many entries as without.
    const int side = m_list.fontMetrics().height();
    m_list.setIconSize(QSize(side, side));
    m_marking.setInterval(0);
    connect(&m_marking, &QTimer::timeout, this, &DrawingListMarks::markSome);
    connect(&m_runner, &PreflightRunner::progressed, this, &DrawingListMarks::showProgress);
    connect(&m_runner, &PreflightRunner::finished, this, &DrawingListMarks::showReport);
}

void DrawingListMarks::listChanged()
{
    listCleared();
    m_marked.assign(m_list.count(), false);
    m_runner.start();
}

void DrawingListMarks::listCleared()
{
    m_runner.listChanged();
    m_marking.stop();
    m_marked.clear();
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
    if (!report || report->drawings.size() != m_list.count() ||
        m_marked.size() != size_t(m_list.count()))
        return;
    m_progress->hide();
    const int marked = report->drawingsWithFindings();
    m_summary->setText(kSummary.arg(marked));
    m_summary->setVisible(marked > 0);
    m_nextRow = 0;
    m_marking.start();
}

// Marks the next entries, as many as one turn allows; an entry whose path is not the report's
// is left as it is.
void DrawingListMarks::markSome()
{
    const std::optional<PreflightReport> &report = m_runner.report();
    if (!report || m_marked.size() != size_t(report->drawings.size())) {
        m_marking.stop();
        return;
    }
    QElapsedTimer turn;
    turn.start();
    for (; m_nextRow < int(m_marked.size()) && turn.elapsed() < kMarkingTurn; ++m_nextRow) {
        const DrawingFindings &findings = report->findings[m_nextRow];
        QListWidgetItem *item = m_list.item(m_nextRow);
        const bool mark = !findings.isEmpty();
        if ((!mark && !m_marked[m_nextRow]) || item->text() != report->drawings[m_nextRow])
            continue;
        const QString why = mark ? reasons(findings) : QString();
        item->setIcon(mark ? m_icon : QIcon());
        item->setToolTip(mark ? item->text() + u'\n' + why : QString());
        item->setData(Qt::AccessibleDescriptionRole, why);
        m_marked[m_nextRow] = mark;
    }
    if (m_nextRow == int(m_marked.size()))
        m_marking.stop();
}

} // namespace tavrolin
