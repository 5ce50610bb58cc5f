#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tavrolin {

// The largest input file read: a settings file, comment template, grid file or drawing list of
// a real job stays far below it, while a runaway file cannot exhaust the memory.
constexpr qint64 kInputFileLimit = 64 * 1024 * 1024;

// Reads a whole regular file of at most `limit` bytes. A missing file, a folder, a FIFO, a
// device and a larger file are refused without blocking and without reading more than `limit`
// bytes. On failure returns false and puts the reason, in Japanese, in *reason.
bool readInputFile(const QString &path, QByteArray *bytes, QString *reason,
                   qint64 limit = kInputFileLimit);

// Reads a text file through readInputFile as its lines, decoded by the rule of every text file
// (see decodeTextFile): lines end in LF or CR LF, and the line end of the last line is optional.
// Any other CR stays in its line.
bool readTextLines(const QString &path, QStringList *lines, QString *reason);

} // namespace tavrolin
