#include "outputfile.h"

#include "filefailure.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace tavrolin {

namespace {

// As many links as the system follows before it gives up on a path.
constexpr int kMaxLinkDepth = 40;

// True when the path is a symbolic link whose chain of links never reaches a file or a missing
// name: a save file would replace the link itself, where a shell's redirection fails.
bool isLinkLoop(const QString &path)
{
    QFileInfo link(path);
    for (int depth = 0; link.isSymLink(); ++depth) {
        if (depth == kMaxLinkDepth)
            return true;
        link.setFile(link.symLinkTarget());
    }
    return false;
}

bool isSpecialFile(const QString &path)
{
#ifdef Q_OS_WIN
    // Windows names its devices in the \\.\ namespace (\\.\NUL, \\.\COM1).
    if (QDir::toNativeSeparators(path).startsWith(u"\\\\.\\"))
        return true;
#endif
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

// Every byte must have been taken by the device, unbuffered, so a full one is noticed.
bool writeDirectly(const QString &path, const QByteArray &bytes, QString *reason)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size()) {
        *reason = fileFailureReason(path, FileAction::Write);
        return false;
    }
    return true;
}

// The explicit flush: a failure to write the buffered bytes while committing would go unnoticed,
// and the cut-short file would replace the old one. An uncommitted save file is discarded.
bool writeThroughSaveFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit()) {
        *reason = fileFailureReason(path, FileAction::Write);
        return false;
    }
    return true;
}

} // namespace

bool writeOutputFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    if (isLinkLoop(path)) {
        *reason = fileProblemText(FileProblem::LinkLoop);
        return false;
    }
    return isSpecialFile(path) ? writeDirectly(path, bytes, reason)
                               : writeThroughSaveFile(path, bytes, reason);
}

} // namespace tavrolin
