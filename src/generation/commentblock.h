#pragma once

#include <QDateTime>
#include <QString>

namespace tavrolin {

// The date and time of the comment's date line, "yyyy/MM/dd H:mm:ss" (2000/05/06 15:00:16);
// at exactly midnight the date alone.
QString commentStamp(const QDateTime &now);

// The comment block as the comment page first shows it: the template, then directly the date
// line ";作成日時" + stamp + CR.
QString initialCommentBlock(const QString &templateText, const QDateTime &now);

// The text as the comment box gives it back: every line break (CR LF, a lone CR, a lone LF)
// becomes CR LF.
QString normaliseLineBreaks(const QString &text);

// Reads the comment template through readInputFile (a regular file of bounded size), decoded
// by the rule of every text file (decodeTextFile): UTF-8 or UTF-16 as a text editor may save it,
// else the ANSI code page. On failure returns false and says why, in Japanese, in *error.
bool readCommentTemplate(const QString &path, QString *text, QString *error);

// The warning when the program folder's template cannot be read, and the comment block starts
// with the date line alone.
QString unreadableTemplateWarning(const QString &path, const QString &reason);

} // namespace tavrolin
