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

// Reads the comment template, decoded from the ANSI code page, through readInputFile (a regular
// file of bounded size). On failure returns false and says why in *error.
bool readCommentTemplate(const QString &path, QString *text, QString *error);

} // namespace tavrolin
