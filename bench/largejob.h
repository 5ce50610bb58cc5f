#pragma once

#include "core/ansicodec.h"
#include "core/drawingpath.h"
#include "core/session.h"

#include <QFile>
#include <QString>
#include <QStringList>

// The largest job the wizard takes, shared by the benchmarks: 50 000 drawings, and twelve grid
// rows that repeat four kinds of command (a layer switched off, a colour, a zoom, a dated
// save-as, which is the costliest line), with the settings file that gives them their keywords.
namespace tavrolin::bench {

inline QString largeJobSettings()
{
    return QStringLiteral("[表示しない]\r\ntype=off\r\n[色を変える]\r\ntype=c\r\n"
                          "[名前を付けて保存する]\r\ntype=saveas\r\n[ズームする]\r\ntype=zoom\r\n");
}

// The five cell texts of a grid row of the job.
inline QString largeJobCell(int row, int column)
{
    static const QStringList rows[] = {
        {QStringLiteral("レイヤー"), QStringLiteral("L13"), QStringLiteral("表示しない"),
         QStringLiteral("終了"), QStringLiteral("終了")},
        {QStringLiteral("レイヤー"), QStringLiteral("壁"), QStringLiteral("色を変える"),
         QStringLiteral("1"), QStringLiteral("終了")},
        {QStringLiteral("図面"), QStringLiteral("すべて"), QStringLiteral("ズームする"),
         QStringLiteral("オブジェクト範囲で"), QStringLiteral("終了")},
        {QStringLiteral("図面"), QStringLiteral("すべて"), QStringLiteral("名前を付けて保存する"),
         QStringLiteral("日付-1～xの形式"), QStringLiteral("終了")},
    };
    return rows[row % 4][column];
}

// Writes a text file in the ANSI code page, as the settings file and the template are stored.
inline bool writeAnsiFile(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(ansi::encode(text)) >= 0;
}

// Fills the drawing list with 50 000 drawings, a hundred to a folder whose name holds a blank.
inline void fillLargeDrawingList(Session &session)
{
    for (int d = 0; d < Session::kDrawingCapacity; ++d) {
        const QString path =
            QStringLiteral("C:\\projects\\site %1\\plan-%2.dwg").arg(d / 100).arg(d);
        session.DrawingPaths[d] = path;
        session.OpenCommands[d] = openCommand(path);
    }
    session.DrawingCount = Session::kDrawingCapacity;
}

} // namespace tavrolin::bench
