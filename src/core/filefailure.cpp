#include "filefailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace tavrolin {

namespace {

int lastSystemError()
{
#ifdef Q_OS_WIN
    return int(GetLastError());
#else
    return errno;
#endif
}

std::optional<FileProblem> problemOfSystemError(int code)
{
    switch (code) {
#ifdef Q_OS_WIN
    case ERROR_FILE_NOT_FOUND:
        return FileProblem::NotFound;
    case ERROR_PATH_NOT_FOUND:
        return FileProblem::FolderNotFound;
    case ERROR_DIRECTORY:
        return FileProblem::NotAFolder;
    case ERROR_ACCESS_DENIED:
        return FileProblem::NoPermission;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return FileProblem::InUse;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return FileProblem::DiskFull;
    case ERROR_FILE_TOO_LARGE:
        return FileProblem::TooLarge;
    case ERROR_WRITE_PROTECT:
        return FileProblem::ReadOnlyDrive;
    case ERROR_FILENAME_EXCED_RANGE:
        return FileProblem::NameTooLong;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
        return FileProblem::BadName;
    case ERROR_TOO_MANY_OPEN_FILES:
        return FileProblem::TooManyOpenFiles;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
        return FileProblem::DeviceFailure;
#else
    case ENOENT:
        return FileProblem::NotFound;
    case ENOTDIR:
        return FileProblem::NotAFolder;
    case EISDIR:
        return FileProblem::IsAFolder;
    case EACCES:
    case EPERM:
        return FileProblem::NoPermission;
    case ETXTBSY:
    case EBUSY:
        return FileProblem::InUse;
    case ENOSPC:
    case EDQUOT:
        return FileProblem::DiskFull;
    case EFBIG:
        return FileProblem::TooLarge;
    case EROFS:
        return FileProblem::ReadOnlyDrive;
    case ENAMETOOLONG:
        return FileProblem::NameTooLong;
    case EILSEQ:
        return FileProblem::BadName;
    case EMFILE:
    case ENFILE:
        return FileProblem::TooManyOpenFiles;
    case EIO:
        return FileProblem::DeviceFailure;
    case ELOOP:
        return FileProblem::LinkLoop;
#endif
    default:
        return std::nullopt;
    }
}

// What the path itself shows: a folder where the file should be, a missing file to read, a
// missing folder, or a file where a folder should be. Nothing when the place looks right.
std::optional<FileProblem> problemOfPlace(const QString &path, FileAction action)
{
    const QFileInfo file(path);
    if (file.isDir())
        return FileProblem::IsAFolder;
    if (file.exists())
        return std::nullopt;
    QFileInfo folder(file.absolutePath());
    if (folder.isDir()) {
        if (action == FileAction::Read)
            return FileProblem::NotFound;
        return std::nullopt;
    }
    // Up to the nearest part of the path that exists: a file there stands in for a folder.
    while (!folder.exists()) {
        const QFileInfo parent(folder.absolutePath());
        if (parent.absoluteFilePath() == folder.absoluteFilePath())
            break;
        folder = parent;
    }
    return folder.exists() && !folder.isDir() ? FileProblem::NotAFolder
                                              : FileProblem::FolderNotFound;
}

// What the system says, at once, of opening an existing file for writing (without changing it)
// and of making a new file in a folder (removed again): 0 when it allows it, else its error
// code. A library's failing call may have its code replaced by that of a later call of its own
// (a clean-up), so the reason of a failed write is asked of the system anew.
int probeExistingFile(const QString &path)
{
#ifdef Q_OS_WIN
    const HANDLE handle = CreateFileW(
        reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()), GENERIC_WRITE,
        FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return int(GetLastError());
    CloseHandle(handle);
#else
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return errno;
    ::close(descriptor);
#endif
    return 0;
}

int probeNewFile(const QString &folder)
{
    const QString path =
        folder + QStringLiteral("/~tavrolin-%1.tmp").arg(QCoreApplication::applicationPid());
#ifdef Q_OS_WIN
    const HANDLE handle = CreateFileW(
        reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(path).utf16()), GENERIC_WRITE, 0,
        nullptr, CREATE_NEW, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return int(GetLastError());
    CloseHandle(handle);
#else
    const QByteArray name = QFile::encodeName(path);
    const int descriptor = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return errno;
    ::close(descriptor);
    ::unlink(name.constData());
#endif
    return 0;
}

// The system's reason why nothing can be written at the path, when it gives one.
std::optional<FileProblem> problemOfWriting(const QString &path)
{
    const QFileInfo file(path);
    const int code = file.exists() ? probeExistingFile(path) : probeNewFile(file.absolutePath());
    return code == 0 ? std::nullopt : problemOfSystemError(code);
}

} // namespace

QString messagePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString fileProblemText(FileProblem problem)
{
    switch (problem) {
    case FileProblem::NotFound:
        return QStringLiteral("ファイルが見つかりません");
    case FileProblem::FolderNotFound:
        return QStringLiteral("フォルダーが見つかりません");
    case FileProblem::NotAFolder:
        return QStringLiteral("フォルダーのはずの場所がファイルです");
    case FileProblem::IsAFolder:
        return QStringLiteral("ファイルではなくフォルダーです");
    case FileProblem::NotRegularFile:
        return QStringLiteral("通常のファイルではありません");
    case FileProblem::NoPermission:
        return QStringLiteral("アクセス権がありません");
    case FileProblem::InUse:
        return QStringLiteral("ほかのプログラムが使用中です");
    case FileProblem::DiskFull:
        return QStringLiteral("ディスクの空き容量が足りません");
    case FileProblem::TooLarge:
        return QStringLiteral("ファイルが大きすぎます");
    case FileProblem::ReadOnlyDrive:
        return QStringLiteral("書き込みできないドライブです");
    case FileProblem::NameTooLong:
        return QStringLiteral("パスが長すぎます");
    case FileProblem::BadName:
        return QStringLiteral("ファイル名に使えない文字があります");
    case FileProblem::TooManyOpenFiles:
        return QStringLiteral("開いているファイルが多すぎます");
    case FileProblem::DeviceFailure:
        return QStringLiteral("ディスクの読み書きに失敗しました");
    case FileProblem::LinkLoop:
        return QStringLiteral("シンボリックリンクが循環しています");
    }
    return {};
}

QString fileFailureReason(const QString &path, FileAction action)
{
    const int code = lastSystemError(); // before looking at the path, which sets it anew
    if (const auto problem = problemOfPlace(path, action))
        return fileProblemText(*problem);
    if (action == FileAction::Write) {
        if (const auto problem = problemOfWriting(path))
            return fileProblemText(*problem);
    }
    if (const auto problem = problemOfSystemError(code))
        return fileProblemText(*problem);
    if (code == 0)
        return QStringLiteral("原因不明のエラーです");
    return QStringLiteral("原因不明のエラーです（エラー番号 %1）").arg(code);
}

QString folderFailureReason(const QString &folder)
{
    QFileInfo nearest(folder);
    while (!nearest.exists()) {
        const QFileInfo parent(nearest.absolutePath());
        if (parent.absoluteFilePath() == nearest.absoluteFilePath())
            return fileProblemText(FileProblem::FolderNotFound); // not even the drive is there
        nearest = parent;
    }
    if (!nearest.isDir())
        return fileProblemText(FileProblem::NotAFolder);
    const int code = probeNewFile(nearest.absoluteFilePath());
    if (const auto problem = problemOfSystemError(code))
        return fileProblemText(*problem);
    return QStringLiteral("原因不明のエラーです（エラー番号 %1）").arg(code);
}

} // namespace tavrolin
