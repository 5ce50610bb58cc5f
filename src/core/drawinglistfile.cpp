#include "drawinglistfile.h"

#include "drawingpath.h"
#include "filefailure.h"
#include "inputfile.h"
#include "outputfile.h"

namespace tavrolin {

bool readDrawingListFile(const QString &path, QStringList *drawings, QString *error)
{
    QStringList lines;
    QString reason;
    if (!readTextLines(path, &lines, &reason)) {
        *error = QStringLiteral("図面リスト %1 を読めません: %2").arg(messagePath(path), reason);
        return false;
    }
    for (const QString &line : std::as_const(lines)) {
        if (!line.trimmed().isEmpty())
            drawings->append(line);
    }
    return true;
}

bool writeDrawingListFile(const QString &path, const QStringList &drawings, QString *error)
{
    QByteArray bytes;
    for (const QString &drawing : drawings) {
        if (holdsControlCharacter(drawing)) {
            *error =
                QStringLiteral("図面リスト %1 を保存できません: 制御文字のあるパスがあります: %2")
                    .arg(messagePath(path), visibleControls(drawing));
            return false;
        }
        bytes += drawing.toUtf8() + '\n';
    }
    QString reason;
    if (writeOutputFile(path, bytes, &reason))
        return true;
    *error = QStringLiteral("図面リスト %1 を保存できません: %2").arg(messagePath(path), reason);
    return false;
}

} // namespace tavrolin
