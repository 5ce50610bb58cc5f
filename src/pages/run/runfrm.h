#pragma once

#include "core/shell/pagewindow.h"
#include "runner/runsetup.h"

#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;

namespace tavrolin {

class ConsoleRun;
class RunResultsModel;
struct DrawingResult;

// The run window: the script run on the core console drawing by drawing, as the finish page's
// third choice starts it. One row per drawing shows its result as it ends, with the progress,
// the time since the run began and an estimate of the rest. "中止" ends the consoles and keeps
// the results; at the end a summary, "失敗した図面だけもう一度実行" and the log of the chosen
// drawing. The run itself is the runner's; the window only shows it and passes the user's
// wishes on.
class runfrm : public PageWindow
{
    Q_OBJECT

public:
    runfrm();
    ~runfrm() override;

    // Starts a run; false, with the reason, when it cannot start.
    bool start(const RunSetup &setup, QString *error);

    bool isRunning() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    QPushButton *addButton(const char *name, const QString &caption);
    bool begin(RunSetup setup, QString *error);
    void planned();
    void drawingFinished(int drawing, const DrawingResult &result);
    void finished();
    void showProgress();
    void retryFailed();
    void openLog();

    RunSetup m_setup;
    std::unique_ptr<ConsoleRun> m_run;
    RunResultsModel *m_model = nullptr;
    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_elapsed = nullptr;
    QLabel *m_remaining = nullptr;
    QTableView *m_table = nullptr;
    QLabel *m_summary = nullptr;
    QLabel *m_files = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_retry = nullptr;
    QPushButton *m_log = nullptr;
    QTimer *m_clock = nullptr;
};

} // namespace tavrolin
