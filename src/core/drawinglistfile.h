#pragma once

#include <QStringList>

namespace tavrolin {

// Reads a drawing list: a text file as readTextLines reads it (UTF-8, UTF-16 or the ANSI code
// page), one drawing path per line, lines ending in LF or CR LF; blank lines are skipped. The paths
// are appended to *drawings as they stand: whether each names a drawing, and can be written into a
// script, is for the caller to check. On failure returns false and says why, naming the file, in
// *error.
bool readDrawingListFile(const QString &path, QStringList *drawings, QString *error);

// Writes a drawing list that readDrawingListFile reads back as `drawings`: UTF-8 without a
// byte-order mark, one path per line, each line ending in LF; whole or not at all. A path that
// holds a control character cannot be written (its line end would split it). On failure
// returns false and says why, naming the file, in *error.
bool writeDrawingListFile(const QString &path, const QStringList &drawings, QString *error);

} // namespace tavrolin
