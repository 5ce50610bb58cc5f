#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tavrolin {

// A drawing list file as read: the drawings its lines name, and the line each one stands on.
struct DrawingListFile
{
    QString path;         // the list file, as given
    QStringList drawings; // one for each line that is not blank
    QList<int> lines;     // the number (from 1) of each drawing's line

    // Names drawing `index` for a message: the list file, the line and `shown` (the drawing's
    // path, or one found through it), as "図面リスト C:\j\list.txt の 3行目: C:\j\set1\b.dxf".
    QString place(qsizetype index, const QString &shown) const;
};

// Reads a drawing list: a text file as readTextLines reads it (UTF-8, UTF-16 or the ANSI code
// page), one drawing path per line, lines ending in LF or CR LF; blank lines are skipped. A path
// that starts from a root (a drive such as "C:", a share such as "\\server", the root folder "\" or
// "/"; Windows' forms count on every system, since the scripts are for AutoCAD on Windows) is taken
// as written. Any other path is relative to the list file's folder: it is resolved against that
// folder and written with the platform's separators, as a drop writes paths. Whether each path
// names a drawing, and can be written into a script, is for the caller to check. On failure returns
// false and says why, naming the file, in *error.
bool readDrawingListFile(const QString &path, DrawingListFile *list, QString *error);

// Writes a drawing list that readDrawingListFile reads back as `drawings`: UTF-8 without a
// byte-order mark, one path per line, each line ending in LF; whole or not at all. A path that
// holds a control character cannot be written (its line end would split it). On failure
// returns false and says why, naming the file, in *error.
bool writeDrawingListFile(const QString &path, const QStringList &drawings, QString *error);

} // namespace tavrolin
