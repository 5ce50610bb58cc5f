#include "scriptfile.h"

#include "core/ansicodec.h"
#include "core/largetext.h"
#include "core/outputfile.h"

namespace tavrolin {

namespace {

// How many lines with lost characters the warning lists, and how much of each.
constexpr int kListedLines = 5;
constexpr qsizetype kListedLineLength = 60;

// The texts of the given lines (numbered from 1, ascending), without their line breaks.
QStringList linesOf(const QString &text, const QList<int> &numbers)
{
    QStringList lines;
    int number = 1;
    qsizetype start = 0;
    for (const int wanted : numbers) {
        for (; number < wanted; ++number)
            start = text.indexOf(u'\n', start) + 1;
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        lines.append(text.sliced(start, end - start).remove(u'\r'));
    }
    return lines;
}

} // namespace

QString scriptFileText(const QString &scriptText, const QString &commentText)
{
    QString text;
    reserveLargeText(text, kScriptFileStart.size() + scriptText.size() + kScriptFileFrame.size() +
                               commentText.size());
    text += kScriptFileStart;
    text += scriptText;
    text += kScriptFileFrame;
    text += commentText;
    return text;
}

QByteArray scriptFileBytes(const QString &text)
{
    QByteArray bytes = ansi::encode(text);
    bytes.append(kScriptFileEnd);
    return bytes;
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

QString lostCharactersWarning(const QString &text)
{
    const LostCharacterLines lost = linesLosingCharacters(text, kListedLines);
    if (lost.count == 0)
        return {};
    QString warning = QStringLiteral("次の行には保存できない文字があり、スクリプトファイルでは"
                                     "'?'になります。\n");
    const QStringList lines = linesOf(text, lost.first);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.size() > kListedLineLength)
            line = line.first(kListedLineLength) + QStringLiteral("…");
        warning += QStringLiteral("\n%1行目: %2").arg(QString::number(lost.first[i]), line);
    }
    if (lost.count > lost.first.size())
        warning += QStringLiteral("\nほかに%1行あります。").arg(lost.count - lost.first.size());
    return warning;
}

} // namespace tavrolin
