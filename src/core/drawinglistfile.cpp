#include "drawinglistfile.h"

#include "inputfile.h"

namespace tavrolin {

bool readDrawingListFile(const QString &path, QStringList *drawings, QString *error)
{
    QStringList lines;
    QString reason;
    if (!readUtf8Lines(path, &lines, &reason)) {
        *error = QStringLiteral("図面リスト %1 を読めません: %2").arg(path, reason);
        return false;
    }
    for (const QString &line : std::as_const(lines)) {
        if (!line.trimmed().isEmpty())
            drawings->append(line);
    }
    return true;
}

} // namespace tavrolin
