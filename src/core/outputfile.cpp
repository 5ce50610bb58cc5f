#include "outputfile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace tavrolin {

namespace {

bool isSpecialFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

// Every byte must have been taken by the device, unbuffered, so a full one is noticed.
bool writeDirectly(const QString &path, const QByteArray &bytes, QString *reason)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

// The buffered bytes are flushed before the commit: the commit itself would let a write that
// failed part-way then (a full disk, a file size limit) pass, and put the cut file in place.
bool writeThroughSaveFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace

bool writeOutputFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    return isSpecialFile(path) ? writeDirectly(path, bytes, reason)
                               : writeThroughSaveFile(path, bytes, reason);
}

} // namespace tavrolin
