#include "commentblock.h"

#include "core/byteordermark.h"
#include "core/filefailure.h"
#include "core/inputfile.h"

namespace tavrolin {

QString commentStamp(const QDateTime &now)
{
    const QString date = now.date().toString(QStringLiteral("yyyy/MM/dd"));
    const QTime time = now.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return date; // the whole first second of the day: the stamp counts whole seconds
    return date + u' ' + now.time().toString(QStringLiteral("H:mm:ss"));
}

QString initialCommentBlock(const QString &templateText, const QDateTime &now)
{
    return templateText + QStringLiteral(";作成日時") + commentStamp(now) + u'\r';
}

QString normaliseLineBreaks(const QString &text)
{
    QString result;
    result.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            result += u"\r\n";
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            result += c;
        }
    }
    return result;
}

bool readCommentTemplate(const QString &path, QString *text, QString *error)
{
    QByteArray bytes;
    if (!readInputFile(path, &bytes, error))
        return false;
    *text = decodeTextFile(bytes);
    return true;
}

QString unreadableTemplateWarning(const QString &path, const QString &reason)
{
    return QStringLiteral(
               "コメントのひな形 %1 を読めません。\n%2\n日時の行だけでコメントを始めます。")
        .arg(messagePath(path), reason);
}

} // namespace tavrolin
