#include "scriptfile.h"

#include "core/ansicodec.h"
#include "core/outputfile.h"

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
    return writeOutputFile(path, scriptFileBytes(text), error);
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
