#pragma once

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace tavrolin::test {

// While it lives, no file this process writes may grow past `bytes`, as on a file system with a
// maximum file size: a write beyond fails part-way with "file too large", as on a full disk,
// instead of raising the signal that would end the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes)
    {
#ifdef Q_OS_UNIX
        m_oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = rlim_t(bytes);
        m_set = setrlimit(RLIMIT_FSIZE, &limit) == 0;
#else
        Q_UNUSED(bytes);
#endif
    }
    ~FileSizeLimit()
    {
#ifdef Q_OS_UNIX
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldSignal);
#endif
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    // False where the size of written files cannot be limited.
    bool isSet() const
    {
        return m_set;
    }

private:
    bool m_set = false;
#ifdef Q_OS_UNIX
    rlimit m_old{};
    void (*m_oldSignal)(int) = SIG_DFL;
#endif
};

} // namespace tavrolin::test
