#include "scriptfile.h"

#include "core/ansicodec.h"
#include "core/filefailure.h"

#include <QFileInfo>
#include <QSaveFile>

namespace tavrolin {

QString scriptFileText(const QString &scriptText, const QString &commentText)
{
    return QStringLiteral(".filedia 0") + scriptText + QStringLiteral("\r\n.filedia 1 \r\n") +
           commentText;
}

QByteArray scriptFileBytes(const QString &text)
{
    return ansi::encode(text) + QByteArrayLiteral("\r\n");
}

bool writeScriptFile(const QString &path, const QString &text, QString *error)
{
    // A device or a pipe in the file's place would be replaced by a plain file.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        *error = fileProblemText(FileProblem::NotRegularFile);
        return false;
    }
    QSaveFile file(path);
    const QByteArray bytes = scriptFileBytes(text);
    // The explicit flush: a failure to write the buffered bytes while committing would go
    // unnoticed, and the cut-short file would replace the old one.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()) {
        *error = fileFailureReason(path, FileAction::Write);
        return false; // the unfinished file is discarded, the old one stays
    }
    if (!file.commit()) {
        *error = fileFailureReason(path, FileAction::Write);
        return false;
    }
    return true;
}

LostCharacterLines linesLosingCharacters(const QString &text, int limit)
{
    LostCharacterLines lines;
    if (ansi::canEncode(text))
        return lines;
    int number = 1;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        if (!ansi::canEncode(QStringView(text).sliced(start, end - start))) {
            if (lines.first.size() < limit)
                lines.first.append(number);
            ++lines.count;
        }
        ++number;
        start = end + 1;
    }
    return lines;
}

} // namespace tavrolin
