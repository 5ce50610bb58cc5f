#include "processtree.h"

#include <QProcess>
// tlhelp32.h uses the types of windows.h.
// clang-format off
#include <windows.h>
#include <tlhelp32.h>
// clang-format on

namespace tavrolin {

namespace {

// A job that ends its processes when its last handle closes, and lets none of them break away.
HANDLE createJob()
{
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (job == nullptr)
        return nullptr;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return job;
}

// Lets the threads of a process started suspended run.
void resume(DWORD processId)
{
    const HANDLE threads = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (threads == INVALID_HANDLE_VALUE)
        return;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(threads, &entry); more; more = Thread32Next(threads, &entry)) {
        if (entry.th32OwnerProcessID != processId)
            continue;
        if (const HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, entry.th32ThreadID)) {
            ResumeThread(thread);
            CloseHandle(thread);
        }
    }
    CloseHandle(threads);
}

} // namespace

ProcessTree::~ProcessTree()
{
    end();
}

void ProcessTree::prepare(QProcess &process)
{
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments *arguments) {
        arguments->flags |= CREATE_NO_WINDOW | CREATE_SUSPENDED;
    });
}

// A console that cannot join a job (a system that refuses nested jobs) still runs, and is
// ended on its own.
void ProcessTree::adopt(QProcess &process)
{
    const auto id = static_cast<DWORD>(process.processId());
    const HANDLE console = OpenProcess(PROCESS_SET_QUOTA | PROCESS_TERMINATE, FALSE, id);
    m_job = createJob();
    if (m_job == nullptr || console == nullptr ||
        !AssignProcessToJobObject(static_cast<HANDLE>(m_job), console)) {
        if (m_job != nullptr)
            CloseHandle(static_cast<HANDLE>(m_job));
        m_job = nullptr;
        m_process = console;
    } else {
        CloseHandle(console);
    }
    resume(id);
}

void ProcessTree::end()
{
    if (m_job != nullptr) {
        TerminateJobObject(static_cast<HANDLE>(m_job), 1);
        CloseHandle(static_cast<HANDLE>(m_job));
        m_job = nullptr;
    }
    if (m_process != nullptr) {
        TerminateProcess(static_cast<HANDLE>(m_process), 1);
        CloseHandle(static_cast<HANDLE>(m_process));
        m_process = nullptr;
    }
}

} // namespace tavrolin
