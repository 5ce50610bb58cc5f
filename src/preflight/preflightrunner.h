#pragma once

#include "preflightcheck.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <memory>
#include <optional>

namespace tavrolin {

struct Session;

// Runs the check of the session's drawing list in the background, so that a list of 50 000
// drawings never stops the window, and keeps the latest report. The wizard's pages share one:
// the drawing list page checks each new list, the grid page adds what the script saves, the
// finish page the release that will run it.
class PreflightRunner : public QObject
{
    Q_OBJECT

public:
    explicit PreflightRunner(const Session &session, QObject *parent = nullptr);
    // Gives up the check in progress and waits for it to stop.
    ~PreflightRunner() override;

    // The drawing list changed: what the script saves and the latest report no longer apply.
    void listChanged();

    // What the script generated for the current list saves.
    void setScriptSaves(ScriptSaves saves);
    const std::optional<ScriptSaves> &scriptSaves() const { return m_saves; }

    // Checks the session's drawing list as it stands, giving up a check in progress.
    void start(std::optional<Release> release = std::nullopt);

    bool isRunning() const { return m_job != nullptr; }

    // The report of the last check that ran to its end since the list last changed.
    const std::optional<PreflightReport> &report() const { return m_report; }

signals:
    // While a check runs, now and then: how many of the list's drawings it has checked.
    void progressed(int checked, int count);
    // A check ran to its end; report() holds what it found.
    void finished();

private:
    struct Job;

    void giveUp();
    void done(const std::shared_ptr<Job> &job, std::optional<PreflightReport> report);
    void reportProgress();

    const Session &m_session;
    std::optional<ScriptSaves> m_saves;
    std::optional<PreflightReport> m_report;
    std::shared_ptr<Job> m_job; // the check in progress
    QThreadPool m_pool;
    QTimer m_progress;
};

} // namespace tavrolin
