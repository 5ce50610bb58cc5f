#include "consolerun.h"

#include "core/filefailure.h"
#include "drawingjob.h"
#include "preflight/preflightcheck.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

// The findings that stop or derail a drawing's script; a drawing listed twice runs twice.
bool derails(const DrawingFindings &findings)
{
    for (const Finding &finding : findings) {
        if (finding.code != Finding::Code::Duplicate)
            return true;
    }
    return false;
}

QString reasonOf(const DrawingFindings &findings)
{
    QStringList messages;
    for (const Finding &finding : findings)
        messages.append(finding.codeName() + u": "_s + finding.message);
    return messages.join(u"; "_s);
}

} // namespace

ConsoleRun::ConsoleRun(RunSetup setup, QObject *parent) : QObject(parent), m_setup(std::move(setup))
{
    m_pool.setMaxThreadCount(1);
}

ConsoleRun::~ConsoleRun()
{
    m_cancel = true;
    m_pool.waitForDone();
    qDeleteAll(m_jobs);
}

bool ConsoleRun::start(QString *error)
{
    if (!m_results.open(m_setup.resultsPath, error))
        return false;
    if (!QDir().mkpath(m_setup.logsFolder)) {
        *error = u"ログのフォルダー %1 を作れません"_s.arg(messagePath(m_setup.logsFolder));
        return false;
    }
    m_plan.assign(m_setup.drawings.size(), Plan::Run);
    for (int drawing = 0; drawing < m_setup.drawings.size(); ++drawing) {
        const auto last = m_results.lastOutcome(m_setup.drawings[drawing]);
        if (last == DrawingResult::Outcome::Ok)
            m_plan[drawing] = Plan::AlreadyOk;
        else if (m_setup.retryFailed && !last)
            m_plan[drawing] = Plan::Left;
    }
    m_running = true;
    check();
    return true;
}

// The whole list is checked, since a drawing's save may meet any other drawing of it.
void ConsoleRun::check()
{
    if (m_setup.force) {
        QMetaObject::invokeMethod(
            this, [this] { plan(std::nullopt); }, Qt::QueuedConnection);
        return;
    }
    PreflightCheck::Input input{m_setup.drawings, std::nullopt, m_setup.saves};
    m_pool.start([this, input = std::move(input)] {
        std::optional<PreflightReport> report =
            PreflightCheck::run(input, [this](int) { return !m_cancel; });
        QMetaObject::invokeMethod(
            this, [this, report = std::move(report)] { plan(report); }, Qt::QueuedConnection);
    });
}

void ConsoleRun::plan(const std::optional<PreflightReport> &report)
{
    if (m_stopped)
        return;
    std::vector<int> skipped;
    for (int drawing = 0; drawing < int(m_plan.size()); ++drawing) {
        if (m_plan[drawing] != Plan::Run)
            continue;
        if (report && derails(report->findings[drawing]))
            skipped.push_back(drawing);
        else
            m_queue.push_back(drawing);
    }
    const auto alreadyOk = std::count(m_plan.cbegin(), m_plan.cend(), Plan::AlreadyOk);
    m_progress.begin(int(m_queue.size() + skipped.size()), int(alreadyOk));
    emit planned();
    for (const int drawing : skipped) {
        record(drawing,
               {DrawingResult::Outcome::Skipped, 0, {}, reasonOf(report->findings[drawing])});
        if (m_stopped)
            return;
    }
    fill();
}

// A console that cannot start ends its drawing at once, inside startDrawing(): the loop that is
// already filling takes the freed place, so a long list of such drawings does not nest calls.
void ConsoleRun::fill()
{
    if (m_filling)
        return;
    m_filling = true;
    while (!m_stopped && m_jobs.size() < m_setup.jobs && m_next < m_queue.size())
        startDrawing(m_queue[m_next++]);
    m_filling = false;
    if (m_running && !m_stopped && m_jobs.isEmpty() && m_next == m_queue.size())
        end();
}

void ConsoleRun::startDrawing(int drawing)
{
    const QString &path = m_setup.drawings[drawing];
    DrawingTask task{drawing, path, m_setup.scripts.value(drawing), filesOf(drawing),
                     m_setup.saves ? SaveWatch::filesSaved(path, drawing, *m_setup.saves)
                                   : QStringList()};
    auto *job = new DrawingJob(m_setup.command, std::move(task), this);
    m_jobs.append(job);
    connect(job, &DrawingJob::finished, this, [this, job, drawing](const DrawingResult &result) {
        m_jobs.removeOne(job);
        job->deleteLater();
        record(drawing, result);
        fill();
    });
    emit drawingStarted(drawing);
    job->start();
}

// "0012-plan": the drawing's place in the list, so that drawings of the same name in other
// folders keep logs of their own, and its name.
QString ConsoleRun::filesOf(int drawing) const
{
    const int width = int(QString::number(m_setup.drawings.size()).size());
    const QString name = u"%1-%2"_s.arg(drawing + 1, width, 10, QChar(u'0'))
                             .arg(QFileInfo(m_setup.drawings[drawing]).completeBaseName());
    return QDir(m_setup.logsFolder).filePath(name);
}

void ConsoleRun::record(int drawing, const DrawingResult &result)
{
    if (m_stopped)
        return;
    m_progress.record(result);
    QString error;
    const bool recorded = m_results.append(m_setup.drawings[drawing], result, &error);
    emit drawingFinished(drawing, result);
    if (!recorded) {
        emit recordFailed(error);
        stop();
    }
}

void ConsoleRun::stop()
{
    if (!m_running)
        return;
    m_stopped = true;
    m_cancel = true;
    for (DrawingJob *job : std::as_const(m_jobs))
        job->stop();
    qDeleteAll(m_jobs);
    m_jobs.clear();
    end();
}

void ConsoleRun::end()
{
    m_running = false;
    emit finished();
}

bool ConsoleRun::allOk() const
{
    for (const QString &drawing : m_setup.drawings) {
        if (m_results.lastOutcome(drawing) != DrawingResult::Outcome::Ok)
            return false;
    }
    return true;
}

} // namespace tavrolin
