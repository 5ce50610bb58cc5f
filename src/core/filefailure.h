#pragma once

#include <QString>

namespace tavrolin {

// Why a file could not be read or written, in the terms the program tells its users.
enum class FileProblem {
    NotFound,         // the file does not exist
    FolderNotFound,   // a folder of the path does not exist
    NotAFolder,       // a file stands where the path needs a folder
    IsAFolder,        // the path names a folder, not a file
    NotRegularFile,   // a device, pipe or socket, not a file
    NoPermission,     // the user may not read or write it
    InUse,            // another program holds it
    DiskFull,         // no space left on the drive
    TooLarge,         // larger than the file system or a limit allows
    ReadOnlyDrive,    // the drive takes no writes
    NameTooLong,      // the path or a name in it is too long
    BadName,          // the name holds characters the file system refuses
    TooManyOpenFiles, // the system's limit of open files is reached
    DeviceFailure,    // the drive failed to read or write
    LinkLoop,         // symbolic links that lead round in a circle name no file
};

enum class FileAction { Read, Write };

// A file's path as every message names it: in the platform's form (C:\plans\a.dwg on Windows,
// where the program's own paths and those of its dialogs are written with '/').
QString messagePath(const QString &path);

// The Japanese text of a problem, for example "ファイルが見つかりません".
QString fileProblemText(FileProblem problem);

// The Japanese reason why reading or writing the file at `path` has just failed. The path is
// looked at first (a missing file or folder, a folder in place of the file, a file in place of
// a folder); for a write, the system is then asked at once whether the file can be opened for
// writing, or made (no permission, in use, a read-only drive…); otherwise the system's error
// code of the failing call tells (errno, GetLastError on Windows), so call this directly after
// that call, before any other file operation. The operating system's own wording is never used:
// it is in English on most systems.
QString fileFailureReason(const QString &path, FileAction action);

// The Japanese reason why the folder could not be made (QDir::mkpath has just failed): a file
// in its place or in that of a folder above it, or what the system says of a new entry in the
// nearest folder above it that exists (no permission, a read-only drive…).
QString folderFailureReason(const QString &folder);

} // namespace tavrolin
