#include "largetext.h"

#include <cstdint>
#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace tavrolin {

void adviseLargePages(void *data, std::size_t size)
{
#ifdef Q_OS_LINUX
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + kLargePageSize - 1) & ~(kLargePageSize - 1);
    const std::uintptr_t end = (begin + size) & ~(kLargePageSize - 1);
    if (end > first)
        madvise(reinterpret_cast<void *>(first), end - first, MADV_HUGEPAGE);
#else
    Q_UNUSED(data);
    Q_UNUSED(size);
#endif
}

void reserveLargeText(QString &text, qsizetype size)
{
    text.reserve(size);
    adviseLargePages(text.data(), std::size_t(text.capacity()) * sizeof(QChar));
}

void reserveLargeText(QByteArray &bytes, qsizetype size)
{
    bytes.reserve(size);
    adviseLargePages(bytes.data(), std::size_t(bytes.capacity()));
}

} // namespace tavrolin
