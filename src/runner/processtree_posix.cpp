#include "processtree.h"

#include <QProcess>
#include <csignal>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace tavrolin {

ProcessTree::~ProcessTree()
{
    end();
}

// In the child, between fork and exec: only calls that are safe there.
void ProcessTree::prepare(QProcess &process)
{
    process.setChildProcessModifier([] {
        ::setsid();
#ifdef Q_OS_LINUX
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
    });
}

void ProcessTree::adopt(QProcess &process)
{
    m_group = process.processId();
}

// The group outlives its leader while any member runs, so the processes the console left
// behind are found by its number after it has ended.
void ProcessTree::end()
{
    if (m_group > 0)
        ::kill(-static_cast<pid_t>(m_group), SIGKILL);
    m_group = 0;
}

} // namespace tavrolin
