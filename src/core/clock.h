#pragma once

#include <QDateTime>
#include <memory>

namespace tavrolin {

// The local date and time, behind a seam so tests and the headless command can fix it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // The same moment as milliseconds since the epoch, which is cheaper to read than the local
    // date and time.
    virtual qint64 msecsSinceEpoch() const { return now().toMSecsSinceEpoch(); }
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 msecsSinceEpoch() const override { return QDateTime::currentMSecsSinceEpoch(); }
};

// The milliseconds are worked out once: converting a local time asks the system for its time
// zone each time, and generation reads the clock for every dated line.
class FixedClock : public Clock
{
public:
    explicit FixedClock(const QDateTime &now) { set(now); }
    QDateTime now() const override { return m_now; }
    qint64 msecsSinceEpoch() const override { return m_msecs; }
    void set(const QDateTime &now)
    {
        m_now = now;
        m_msecs = now.toMSecsSinceEpoch();
    }

private:
    QDateTime m_now;
    qint64 m_msecs = 0;
};

// The clock the program reads; the system clock unless one was installed.
const Clock &clock();

// Installs a clock (nullptr goes back to the system clock).
void setClock(std::unique_ptr<Clock> clock);

} // namespace tavrolin
