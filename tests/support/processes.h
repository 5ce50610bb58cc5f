#pragma once

#include <QFile>
#include <QString>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace tavrolin::test {

// True while the process with that number runs. A process that has ended but is not yet reaped
// (a zombie) has ended.
inline bool processRuns(qint64 pid)
{
#ifdef Q_OS_WIN
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, DWORD(pid));
    if (process == nullptr)
        return false;
    const bool runs = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return runs;
#else
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray fields = stat.readAll();
    const qsizetype state = fields.lastIndexOf(')') + 2;
    return state < fields.size() && fields[state] != 'Z' && fields[state] != 'X';
#endif
}

} // namespace tavrolin::test
