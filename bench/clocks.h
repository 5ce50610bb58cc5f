#pragma once

#include <ctime>
#include <sys/resource.h>

// The clocks the benchmarks read: the monotonic clock, and the processor time a resource usage
// counts (user and system), both in milliseconds.
namespace tavrolin::bench {

inline double monotonicMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

inline double cpuMilliseconds(const rusage &usage)
{
    const auto ms = [](const timeval &t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

} // namespace tavrolin::bench
