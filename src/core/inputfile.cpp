#include "inputfile.h"

#include "byteordermark.h"
#include "filefailure.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace tavrolin {

namespace {

QString tooLarge(qint64 limit)
{
    return fileProblemText(FileProblem::TooLarge) +
           QStringLiteral(" (%1 まで)")
               .arg(QLocale::c().formattedDataSize(limit, 0, QLocale::DataSizeIecFormat));
}

// Why the file cannot be read, judged before opening it: opening a FIFO would block, and a
// device or a folder is no input file.
QString refusalBeforeOpening(const QString &path, qint64 limit)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return fileFailureReason(path, FileAction::Read);
    if (!info.isFile())
        return fileProblemText(FileProblem::NotRegularFile);
    if (info.size() > limit)
        return tooLarge(limit);
    if (!info.isReadable())
        return fileProblemText(FileProblem::NoPermission);
    return {};
}

} // namespace

bool readInputFile(const QString &path, QByteArray *bytes, QString *reason, qint64 limit)
{
    *reason = refusalBeforeOpening(path, limit);
    if (!reason->isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = fileFailureReason(path, FileAction::Read);
        return false;
    }
    // The path may have been replaced by something else since it was looked at.
    if (file.isSequential()) {
        *reason = fileProblemText(FileProblem::NotRegularFile);
        return false;
    }
    // Room for the size the file had, plus one byte to see that it grew; a file that grew, or
    // tells no size as those of /proc, is read on up to one byte past the limit.
    const qint64 expected = qMin(file.size(), limit);
    QByteArray read = file.read(expected + 1);
    if (read.size() > expected && read.size() <= limit)
        read += file.read(limit + 1 - read.size());
    if (file.error() != QFileDevice::NoError) {
        *reason = fileFailureReason(path, FileAction::Read);
        return false;
    }
    if (read.size() > limit) {
        *reason = tooLarge(limit);
        return false;
    }
    *bytes = std::move(read);
    return true;
}

bool readTextLines(const QString &path, QStringList *lines, QString *reason)
{
    QByteArray bytes;
    if (!readInputFile(path, &bytes, reason))
        return false;
    *lines = decodeTextLines(bytes);
    return true;
}

} // namespace tavrolin
