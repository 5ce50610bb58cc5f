#include "drawinglistfile.h"

#include "byteordermark.h"
#include "drawingpath.h"
#include "filefailure.h"
#include "inputfile.h"
#include "outputfile.h"

#include <QDir>
#include <QFileInfo>

namespace tavrolin {

namespace {

bool startsFromRoot(const QString &path)
{
    const bool drive =
        path.size() >= 2 && path[1] == u':' && path[0].isLetter() && path[0].unicode() < 0x80;
    return drive || path.startsWith(u'/') || path.startsWith(u'\\');
}

QString resolved(const QDir &folder, const QString &path)
{
    if (startsFromRoot(path))
        return path;
    return QDir::toNativeSeparators(
        QDir::cleanPath(folder.filePath(QDir::fromNativeSeparators(path))));
}

} // namespace

QString DrawingListFile::place(qsizetype index, const QString &shown) const
{
    return QStringLiteral("図面リスト %1 の %2行目: %3")
        .arg(messagePath(path), QString::number(lines.at(index)), shown);
}

bool readDrawingListFile(const QString &path, DrawingListFile *list, QString *error)
{
    QStringList lines;
    QString reason;
    if (!readTextLines(path, &lines, &reason)) {
        *error = QStringLiteral("図面リスト %1 を読めません: %2").arg(messagePath(path), reason);
        return false;
    }
    // The drawings take the places of the lines they stand on, so a long list is held once.
    const QDir folder = QFileInfo(path).absoluteDir();
    DrawingListFile read{path, {}, {}};
    read.lines.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        lines[read.lines.size()] = resolved(folder, lines[i]);
        read.lines.append(int(i + 1));
    }
    lines.resize(read.lines.size());
    read.drawings = std::move(lines);
    *list = std::move(read);
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
    if (writeOutputFile(path, utf8FileBytes(bytes), &reason))
        return true;
    *error = QStringLiteral("図面リスト %1 を保存できません: %2").arg(messagePath(path), reason);
    return false;
}

} // namespace tavrolin
