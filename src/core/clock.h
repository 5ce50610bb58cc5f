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

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime now) : m_now(std::move(now)) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &now) { m_now = now; }

private:
    QDateTime m_now;
};

// The clock the program reads; the system clock unless one was installed.
const Clock &clock();

// Installs a clock (nullptr goes back to the system clock).
void setClock(std::unique_ptr<Clock> clock);

} // namespace tavrolin
