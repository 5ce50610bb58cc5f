#pragma once

#include "resultsfile.h"
#include "runprogress.h"
#include "runsetup.h"

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <vector>

namespace tavrolin {

class DrawingJob;
struct PreflightReport;

// A run of the script on the console, drawing by drawing, several consoles at a time. It reads
// what earlier runs recorded in the results file and leaves out the drawings that ended ok
// there, checks the drawing list in the background and skips, unless forced, the drawings with
// a finding that would derail their script, runs the rest, and records each drawing's result
// in the results file as it ends. The headless command and the run window both drive it.
class ConsoleRun : public QObject
{
    Q_OBJECT

public:
    // What the run does with each drawing of the list.
    enum class Plan {
        Run,       // runs (or is skipped, once the check has found why)
        AlreadyOk, // an earlier run ended it ok
        Left,      // left out by retryFailed: no earlier run ended it
    };

    explicit ConsoleRun(RunSetup setup, QObject *parent = nullptr);
    ~ConsoleRun() override;

    const RunSetup &setup() const { return m_setup; }
    const RunProgress &progress() const { return m_progress; }
    Plan planOf(int drawing) const { return m_plan[drawing]; }
    bool isRunning() const { return m_running; }
    bool wasStopped() const { return m_stopped; }

    // Opens the results file and makes the logs folder, then begins the check; false, with the
    // reason in Japanese, when either cannot be used (nothing has run then).
    bool start(QString *error);

    // Ends the running consoles and everything they started, keeps the results recorded so far
    // and runs nothing more; the stopped drawings have no result. finished() follows.
    void stop();

    // True when every drawing of the list ended ok, in this run or an earlier one.
    bool allOk() const;

signals:
    // The check is done: progress() knows how many drawings the run holds.
    void planned();
    void drawingStarted(int drawing);
    void drawingFinished(int drawing, const DrawingResult &result);
    // A result could not be recorded: the run stops.
    void recordFailed(const QString &reason);
    void finished();

private:
    void check();
    void plan(const std::optional<PreflightReport> &report);
    void fill();
    void startDrawing(int drawing);
    void record(int drawing, const DrawingResult &result);
    QString filesOf(int drawing) const;
    void end();

    RunSetup m_setup;
    RunProgress m_progress;
    ResultsFile m_results;
    std::vector<Plan> m_plan;
    std::vector<int> m_queue; // the drawings to run, in list order
    size_t m_next = 0;
    QList<DrawingJob *> m_jobs;
    QThreadPool m_pool; // the check of the drawing list
    std::atomic<bool> m_cancel{false};
    bool m_running = false;
    bool m_filling = false;
    bool m_stopped = false;
};

} // namespace tavrolin
