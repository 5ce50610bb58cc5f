#include "preflightrunner.h"

#include "core/session.h"

#include <atomic>

namespace tavrolin {

namespace {

constexpr int kProgressInterval = 50; // milliseconds

} // namespace

// What the worker thread and the runner share of one check.
struct PreflightRunner::Job
{
    PreflightCheck::Input input;
    std::atomic<int> checked = 0;
    std::atomic<bool> givenUp = false;
};

PreflightRunner::PreflightRunner(const Session &session, QObject *parent)
    : QObject(parent), m_session(session)
{
    m_pool.setMaxThreadCount(1);
    m_progress.setInterval(kProgressInterval);
    connect(&m_progress, &QTimer::timeout, this, &PreflightRunner::reportProgress);
}

PreflightRunner::~PreflightRunner()
{
    giveUp();
    m_pool.waitForDone();
}

void PreflightRunner::listChanged()
{
    giveUp();
    m_saves.reset();
    m_report.reset();
}

void PreflightRunner::setScriptSaves(ScriptSaves saves)
{
    m_saves = std::move(saves);
}

void PreflightRunner::start(std::optional<Release> release)
{
    giveUp();
    auto job = std::make_shared<Job>();
    const auto first = m_session.DrawingPaths.begin();
    job->input.drawings = QStringList(first, first + m_session.DrawingCount);
    job->input.release = std::move(release);
    job->input.saves = m_saves;
    m_job = job;
    m_pool.start([this, job] {
        std::optional<PreflightReport> report =
            PreflightCheck::run(job->input, [&job](int checked) {
                job->checked = checked;
                return !job->givenUp;
            });
        QMetaObject::invokeMethod(
            this,
            [this, job, report = std::move(report)]() mutable { done(job, std::move(report)); },
            Qt::QueuedConnection);
    });
    m_progress.start();
    reportProgress();
}

void PreflightRunner::giveUp()
{
    if (m_job)
        m_job->givenUp = true;
    m_job.reset();
    m_progress.stop();
}

// A check given up since it started reports nothing: a later one stands in its place.
void PreflightRunner::done(const std::shared_ptr<Job> &job, std::optional<PreflightReport> report)
{
    if (job != m_job)
        return;
    m_job.reset();
    m_progress.stop();
    m_report = std::move(report);
    emit finished();
}

void PreflightRunner::reportProgress()
{
    if (m_job)
        emit progressed(m_job->checked, int(m_job->input.drawings.size()));
}

} // namespace tavrolin
