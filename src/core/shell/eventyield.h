#pragma once

#include <QElapsedTimer>

namespace tavrolin {

// Lets the event loop run pending events (painting, timers, the clip) from inside a long loop,
// at most once per interval: a turn of the event loop costs more than one step of the loops
// that call it, so turning it for every step would make them many times slower.
class EventYield
{
public:
    explicit EventYield(int intervalMs = 8);

    // Runs pending events when the interval has passed since the last turn.
    void operator()();

    // Runs pending events now.
    void now();

private:
    QElapsedTimer m_sinceLast;
    int m_intervalMs;
};

} // namespace tavrolin
