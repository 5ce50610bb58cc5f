#pragma once

#include <QFile>
#include <atomic>

namespace tavrolin {

// A file whose reads fail once a flag is set, so a reader working through it, however long its
// work would take, ends at its next read. The flag must outlive the file.
class StoppableFile : public QFile
{
public:
    StoppableFile(const QString &path, const std::atomic_bool &stop);

protected:
    qint64 readData(char *data, qint64 maxSize) override;

private:
    const std::atomic_bool &m_stop;
};

} // namespace tavrolin
