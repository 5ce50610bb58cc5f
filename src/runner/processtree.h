#pragma once

#include <QtGlobal>

class QProcess;

namespace tavrolin {

// A console and every process it starts, held together so that they end together: on Linux the
// console starts a session and process group of its own, and is ended with the runner when the
// runner is killed; on Windows it starts suspended, joins a job object of its own that ends all
// its processes once the job's last handle closes (also when the runner ends abnormally), and
// only then runs. It also starts without a window.
class ProcessTree
{
public:
    ProcessTree() = default;
    ~ProcessTree(); // ends what still runs
    ProcessTree(const ProcessTree &) = delete;
    ProcessTree &operator=(const ProcessTree &) = delete;

    // Sets up the process before it is started.
    void prepare(QProcess &process);

    // Takes the started process in; on Windows it runs from here on.
    void adopt(QProcess &process);

    // Ends every process of the tree that still runs: the console, and what it started and left
    // behind.
    void end();

private:
#ifdef Q_OS_WIN
    void *m_job = nullptr;     // the job object
    void *m_process = nullptr; // the console, when it could not join the job
#else
    qint64 m_group = 0; // the console's process group
#endif
};

} // namespace tavrolin
