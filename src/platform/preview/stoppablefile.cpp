#include "stoppablefile.h"

namespace tavrolin {

StoppableFile::StoppableFile(const QString &path, const std::atomic_bool &stop)
    : QFile(path), m_stop(stop)
{}

qint64 StoppableFile::readData(char *data, qint64 maxSize)
{
    if (m_stop.load(std::memory_order_relaxed))
        return -1;
    return QFile::readData(data, maxSize);
}

} // namespace tavrolin
