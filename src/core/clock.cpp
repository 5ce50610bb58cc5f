#include "clock.h"

namespace tavrolin {

namespace {

std::unique_ptr<Clock> &installedClock()
{
    static std::unique_ptr<Clock> clock;
    return clock;
}

} // namespace

const Clock &clock()
{
    static const SystemClock systemClock;
    const auto &installed = installedClock();
    if (installed)
        return *installed;
    return systemClock;
}

void setClock(std::unique_ptr<Clock> clock)
{
    installedClock() = std::move(clock);
}

} // namespace tavrolin
