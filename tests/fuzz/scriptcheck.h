#pragma once

#include "fuzzcheck.h"
#include "generation/scriptfile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What the script targets share: their input, the bytes of the settings file, the grid file,
// the drawing list and the comment template, separated by NUL bytes; and the shape of the
// script file that the script command writes from them.
namespace tavrolin::fuzz {

// The input's four parts; a missing part is empty.
struct ScriptInput
{
    QByteArray settings;
    QByteArray grid;
    QByteArray drawings;
    QByteArray commentTemplate;
};

inline ScriptInput splitScriptInput(const uint8_t *data, size_t size)
{
    QList<QByteArray> parts =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0');
    parts.resize(4);
    return {parts[0], parts[1], parts[2], parts[3]};
}

// The bytes as a file of that name in the scratch folder.
inline QString scratchCopy(const char *name, const QByteArray &bytes)
{
    const QString path = scratchFile(name);
    writeFile(path, bytes);
    return path;
}

// The script file's text: ".filedia 0", for each drawing its open line (`openLines`) and one
// line per grid row that makes a line, never an empty line (an Enter that repeats the last
// command), the frame line, then the comment block ending in the date line. Without a row that
// makes a line there is no block at all. `rowCount` is the number of rows the script may take
// from the grid.
inline void checkScriptText(const QString &text, const QStringList &openLines, int rowCount)
{
    FUZZ_CHECK(text.startsWith(kScriptFileStart));
    const qsizetype frameAt = text.indexOf(kScriptFileFrame);
    FUZZ_CHECK(frameAt >= 0);
    FUZZ_CHECK(text.endsWith(QStringLiteral(";作成日時2001/12/31 15:00:16\r\n")));
    const QStringView script =
        QStringView(text).sliced(kScriptFileStart.size(), frameAt - kScriptFileStart.size());
    if (script.isEmpty())
        return;
    FUZZ_CHECK(script.startsWith(u"\r\n"));
    const QList<QStringView> lines = script.sliced(2).split(u"\r\n");
    FUZZ_CHECK(!openLines.isEmpty() && lines.size() % openLines.size() == 0);
    const qsizetype block = lines.size() / openLines.size();
    FUZZ_CHECK(block >= 2 && block <= 1 + rowCount);
    for (qsizetype i = 0; i < openLines.size(); ++i)
        FUZZ_CHECK(lines[i * block] == openLines[i]);
    for (const QStringView line : lines)
        FUZZ_CHECK(!line.isEmpty());
}

} // namespace tavrolin::fuzz
