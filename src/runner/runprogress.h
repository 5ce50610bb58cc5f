#pragma once

#include "drawingresult.h"

#include <QElapsedTimer>
#include <QString>
#include <array>
#include <optional>

namespace tavrolin {

// How far a run is: its drawings done, by result, the time since it began and an estimate of
// the time still needed, from the pace of the drawings the consoles ran so far.
class RunProgress
{
public:
    // The run begins: `toRun` drawings are to end in it (skipped ones included), `alreadyOk`
    // of the list are not run again since an earlier run ended them ok.
    void begin(int toRun, int alreadyOk);
    void record(const DrawingResult &result);

    int toRun() const { return m_toRun; }
    int alreadyOk() const { return m_alreadyOk; }
    int done() const { return m_done; }
    int count(DrawingResult::Outcome outcome) const { return m_counts[int(outcome)]; }
    int okCount() const { return count(DrawingResult::Outcome::Ok); }
    int notOkCount() const { return m_done - okCount(); }

    qint64 elapsedMs() const;
    // None until a console has ended.
    std::optional<qint64> remainingMs() const;

    // "1:02:03" or "02:03".
    static QString duration(qint64 ms);

    // "12/40 ok 10 ok以外 2 経過 01:12 残り約 03:00"
    QString line() const;
    // "ok 38 件、failed 1 件、timeout 1 件（40 件中）、前回までに ok 5 件。経過 05:12"
    QString summary() const;

private:
    QElapsedTimer m_clock;
    int m_toRun = 0;
    int m_alreadyOk = 0;
    int m_done = 0;
    int m_consoles = 0; // drawings done that a console ran
    std::array<int, 5> m_counts{};
};

} // namespace tavrolin
