#include "preflightquestion.h"

#include "core/shell/layout.h"
#include "core/shell/messagebox.h"
#include "core/shell/pagewindow.h"
#include "preflight/preflightrunner.h"

#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>

using namespace Qt::StringLiterals;

namespace tavrolin {

PreflightQuestion::PreflightQuestion(PageWindow &page, const PageContext &context)
    : QObject(&page), m_page(page), m_context(context),
      m_caption(new QLabel(u"図面を確認しています"_s, &page)), m_progress(new QProgressBar(&page))
{
    m_caption->setObjectName(u"lblCheck"_s);
    placeTwips(m_caption, 2280, 2940, 4185, 255);
    m_caption->hide();
    m_progress->setObjectName(u"prgCheck"_s);
    m_progress->setTextVisible(false);
    placeTwips(m_progress, 2280, 3195, 4185, 255);
    m_progress->hide();
    connect(&m_context.preflight, &PreflightRunner::progressed, this,
            [this](int checked, int count) {
                m_progress->setRange(0, count);
                m_progress->setValue(checked);
            });
}

bool PreflightQuestion::mayGoOn(const QString &windowTitle)
{
    m_context.preflight.start(Release::fromWindowTitle(windowTitle));
    if (!waitForCheck())
        return false;
    const std::optional<PreflightReport> &report = m_context.preflight.report();
    if (!report || report->findingCount() == 0)
        return true;
    if (showMessage(question(*report), ExclamationQuestion) == AnswerYes)
        return true;
    m_context.navigator.go(&m_page, PageId::Drawings);
    return false;
}

// The page takes no input meanwhile, but stays painted and shows how far the check is. A busy
// page closes only once the wait is over; false when it was asked to close meanwhile, so
// nothing more is done on it.
bool PreflightQuestion::waitForCheck()
{
    if (!m_context.preflight.isRunning())
        return true;
    m_page.setEnabled(false);
    m_page.setBusy(true);
    m_caption->show();
    m_progress->show();
    m_closeAsked = false;
    m_page.installEventFilter(this);
    QEventLoop loop;
    connect(&m_context.preflight, &PreflightRunner::finished, &loop, &QEventLoop::quit);
    loop.exec();
    m_page.removeEventFilter(this);
    m_caption->hide();
    m_progress->hide();
    m_page.setEnabled(true);
    m_page.setBusy(false);
    return !m_closeAsked;
}

bool PreflightQuestion::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_page && event->type() == QEvent::Close)
        m_closeAsked = true;
    return false;
}

QString PreflightQuestion::question(const PreflightReport &report)
{
    QString text = u"次の図面には、スクリプトを途中で止めたり乱したりするおそれがあります。\n"_s;
    int listed = 0;
    for (int drawing = 0; drawing < report.drawings.size() && listed < kListed; ++drawing) {
        const DrawingFindings &findings = report.findings[drawing];
        if (!findings.isEmpty())
            text += u'\n' + report.drawings[drawing];
        for (qsizetype i = 0; i < findings.size() && listed < kListed; ++i, ++listed)
            text += u"\n　"_s + findings[i].message;
    }
    const int more = report.findingCount() - qMin(report.findingCount(), kListed);
    if (more > 0)
        text += u"\n\nほかに %1 件"_s.arg(more);
    return text +
           u"\n\nこのまま続けますか？\n「いいえ」で図面リストに戻ります（リストから図面は削除され"
           u"ません）。"_s;
}

} // namespace tavrolin
