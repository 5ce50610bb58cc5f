#pragma once

#include "drawinglog.h"
#include "drawingresult.h"
#include "processtree.h"
#include "savewatch.h"

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QTimer>
#include <memory>

namespace tavrolin {

// The console program and how each drawing is handed to it.
struct ConsoleCommand
{
    QString program;  // the console's path
    QString language; // given to the console with /l; empty for none
    int timeoutMs = 0;
};

// One drawing to run: its place in the list, its path, the lines of its script, and where its
// script and log go (the path without extension; ".scr" and ".log" are added).
struct DrawingTask
{
    int index = 0;
    QString drawing;
    QString script;
    QString files;
    QStringList saved; // the files the script saves (SaveWatch::filesSaved)
};

// One drawing's run on the console: writes its script (in the ANSI code page with CR LF, as the
// script file is) beside its log, starts `PROGRAM /i DRAWING /s SCRIPT [/l TAG]` without a
// window and with its input closed, logs its output, ends it and everything it started once it
// has run past the timeout, and tells the drawing's result.
class DrawingJob : public QObject
{
    Q_OBJECT

public:
    DrawingJob(const ConsoleCommand &command, DrawingTask task, QObject *parent = nullptr);
    ~DrawingJob() override;

    const DrawingTask &task() const { return m_task; }

    // Starts the run; finished() follows, also when the console cannot start.
    void start();

    // Ends the console and everything it started, without a result: the drawing has not run.
    void stop();

signals:
    void finished(const DrawingResult &result);

private:
    QString commandLine() const;
    QStringList arguments() const;
    void readOutput();
    void timedOut();
    void ended(int exitCode, QProcess::ExitStatus status);
    void failedToStart();
    DrawingResult judge(int exitCode, QProcess::ExitStatus status) const;
    void finish(DrawingResult result);

    ConsoleCommand m_command;
    DrawingTask m_task;
    QProcess m_process;
    ProcessTree m_tree;
    DrawingLog m_log;
    QTimer m_timeout;
    QElapsedTimer m_clock;
    std::unique_ptr<SaveWatch> m_saves;
    bool m_logged = false; // the log was opened
    bool m_timedOut = false;
    bool m_done = false;
};

} // namespace tavrolin
