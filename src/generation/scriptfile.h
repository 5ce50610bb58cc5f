#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tavrolin {

// The script file text: ".filedia 0", the generated script (whose every line starts with CR LF),
// CR LF, ".filedia 1 ", CR LF and the comment block. The first and the frame line switch
// AutoCAD's file dialogs off for the run and on again after it.
QString scriptFileText(const QString &scriptText, const QString &commentText);

// The texts around the generated script in a script file: the first line, and the frame line
// with the line ends around it.
inline constexpr QStringView kScriptFileStart = u".filedia 0";
inline constexpr QStringView kScriptFileFrame = u"\r\n.filedia 1 \r\n";
// The bytes after the encoded text.
inline constexpr QByteArrayView kScriptFileEnd = "\r\n";

// The bytes of a script file: the text in the ANSI code page, then one CR LF, no byte-order mark.
QByteArray scriptFileBytes(const QString &text);

// Writes a script file whole or not at all, through writeOutputFile. On failure returns false,
// says why in *error and leaves an existing file as it was.
bool writeScriptFile(const QString &path, const QString &text, QString *error);

// The lines of a text that hold characters the ANSI code page cannot hold, which a script file
// would carry as '?'.
struct LostCharacterLines
{
    QList<int> first; // the numbers (from 1) of the first lines, at most the limit asked for
    int count = 0;    // how many lines in all
};

LostCharacterLines linesLosingCharacters(const QString &text, int limit);

// The warning that names the first lines of a text that a script file would carry with '?',
// with their numbers and texts; empty when every character can be written.
QString lostCharactersWarning(const QString &text);

} // namespace tavrolin
