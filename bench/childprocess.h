#pragma once

#include "clocks.h"

#include <QString>
#include <QStringList>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

// Runs a program to its end and tells what it cost, as the system accounts for that one
// process: processor time (user and system) and peak resident memory. Linux only, as are the
// benchmarks that need it.
namespace tavrolin::bench {

struct ChildCost
{
    bool ok = false; // ran and exited with status 0
    double cpuMilliseconds = 0;
    double peakMegabytes = 0;
};

// Standard output goes to `output` (created or truncated) when given, else to /dev/null;
// standard error, the program's warnings, to /dev/null.
inline ChildCost runChild(const QString &program, const QStringList &arguments,
                          const QString &output = QString())
{
    std::vector<QByteArray> strings{program.toLocal8Bit()};
    for (const QString &argument : arguments)
        strings.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &string : strings)
        argv.push_back(string.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray target = output.isEmpty() ? QByteArray("/dev/null") : output.toLocal8Bit();
    posix_spawn_file_actions_addopen(&actions, 1, target.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ChildCost cost;
    int status = 0;
    rusage usage{};
    if (failed != 0 || wait4(pid, &status, 0, &usage) != pid)
        return cost;
    cost.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    cost.cpuMilliseconds = cpuMilliseconds(usage);
    cost.peakMegabytes = double(usage.ru_maxrss) / 1024.0;
    return cost;
}

// The cheapest of `runs` runs: the one least disturbed by other work on the machine.
template <typename Run>
ChildCost cheapest(int runs, Run run)
{
    ChildCost best;
    for (int i = 0; i < runs; ++i) {
        const ChildCost cost = run();
        if (!cost.ok)
            return cost;
        if (!best.ok || cost.cpuMilliseconds < best.cpuMilliseconds)
            best = cost;
    }
    return best;
}

} // namespace tavrolin::bench
