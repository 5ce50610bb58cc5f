#pragma once

#include <QString>
#include <QStringView>

namespace tavrolin {

// The folder that holds the program's executable, without a trailing separator. The program's
// data files (settings, template, pictures, help pages, working script) lie there.
QString programFolder();

// Points the program folder elsewhere (tests, and a program folder given on the command line).
// An empty folder goes back to the executable's folder.
void setProgramFolder(const QString &folder);

// A file of the program folder, named as "\ico\sw.ico": each backslash is a folder separator.
QString programFile(QStringView relative);

// The user's own folder for the program's files, for what the program folder cannot take
// (Program Files, a read-only share): %LOCALAPPDATA%\Tavrolin on Windows, elsewhere tavrolin in
// the user's data folder ($XDG_DATA_HOME, by default ~/.local/share).
QString userFolder();

// Points the user's folder elsewhere (tests). An empty folder goes back to the user's own.
void setUserFolder(const QString &folder);

} // namespace tavrolin
