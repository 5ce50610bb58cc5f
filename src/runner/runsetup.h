#pragma once

#include "drawingjob.h"
#include "generation/scriptsaves.h"

#include <QStringList>
#include <optional>

namespace tavrolin {

struct Session;

// What a run on the console is given: the console and how to call it, how many consoles run at
// a time, where the results and logs go, which drawings run, and each drawing's script.
struct RunSetup
{
    static constexpr int kDefaultTimeoutSeconds = 300;
    static constexpr int kMostJobs = 4; // the default's limit

    ConsoleCommand command;
    int jobs = 1;
    QString resultsPath;
    QString logsFolder;
    // Only the drawings whose last result in the results file is not ok, rather than every
    // drawing that is not yet ok.
    bool retryFailed = false;
    // Runs the drawings whose check finds what would derail them, rather than skipping them.
    bool force = false;
    QStringList drawings;
    QStringList scripts; // entry d: the lines of drawing d's script
    // What the script saves, so that a drawing is ok only once its saves are written.
    std::optional<ScriptSaves> saves;

    // The processor's cores, at most kMostJobs.
    static int defaultJobs();

    // The logs folder that lies beside a results file: its name without extension, "-logs".
    static QString logsFolderBeside(const QString &resultsPath);

    // Takes the session's drawing list and, for each drawing, its lines of the session's script
    // without the line that opens it.
    void takeScript(const Session &session);
};

} // namespace tavrolin
