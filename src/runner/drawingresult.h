#pragma once

#include <QString>
#include <optional>

namespace tavrolin {

// How one drawing's run on the console ended, as the results file records it.
struct DrawingResult
{
    enum class Outcome {
        Ok,      // the console ended by itself with status 0, and what the script saves was saved
        Failed,  // another status, a save not written, or the console could not start
        Crashed, // ended by a signal or an exception code
        Timeout, // ended by the runner, past the time allowed
        Skipped, // not run: the check of the drawing list found what would derail it
    };

    Outcome outcome = Outcome::Failed;
    double seconds = 0;
    QString log;    // the drawing's log file; empty when no console ran
    QString reason; // why the drawing is not ok, in Japanese; empty when it is

    bool isOk() const { return outcome == Outcome::Ok; }

    // The outcome as the results file writes it: "ok", "failed", "crashed", "timeout", "skipped".
    static QString name(Outcome outcome);
    static std::optional<Outcome> fromName(QStringView name);
};

} // namespace tavrolin
