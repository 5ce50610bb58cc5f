#pragma once

#include "rowlines.h"

#include <QString>
#include <functional>

namespace tavrolin {

struct Session;
class SettingsLookup;
class GenerationView;

// Turns one grid row into the AutoCAD command line of every drawing of the drawing list
// (scrmakefile). The row's command keyword is read from the settings file under its purpose
// type and picks the line form; the cell texts go into the line as they stand. In a script each
// blank and each line end is an Enter, so the blanks of every form are exact.
class CommandLineBuilder
{
public:
    CommandLineBuilder(const Session &session, SettingsLookup &lookup, RowLines &scrcmddata,
                       GenerationView &view);

    // Builds row `colum`'s lines from its summary `Data`, looking the keyword up in section
    // `scrkeyword` (the row's purpose type). A keyword of no known form leaves the row's lines
    // as they were.
    void scrmakefile(const QString &scrkeyword, const QString &Data, int colum);

    // What a row's line does with the drawing file it runs on: nothing, save it in place
    // (qsave, asdwg), save it under a new name (saveas), or save a DXF file beside it under the
    // save command's default name (dxf).
    struct FileEffect
    {
        enum class Kind { None, SavesInPlace, SavesAs, SavesDxf };
        Kind kind = Kind::None;
        // For a save-as row: the drawing its line writes for drawing d, exactly as the line
        // names it.
        std::function<QString(int drawing)> savedAs;
    };

    // The effect of the row whose lines scrmakefile builds from the same arguments.
    FileEffect fileEffect(const QString &scrkeyword, const QString &Data);

    // Today's date as yyMMdd (011231 for 31 December 2001), the stamp of dated save-as names.
    // It is taken anew for every drawing's line, so a run across midnight changes the date.
    QString getdate();

    // Stores scrcmd as entry `filecount1` of row `colum`; a row outside 0 to 11 stores nothing.
    void selectscrcmddata(int colum, int filecount1);

    // The line just built, and the folder of the drawing it was built for (save-as forms).
    QString scrcmd;
    QString savefolder;

private:
    using LineForm = std::function<QString(int drawing)>;

    QString readRow(const QString &scrkeyword, const QString &Data);
    LineForm lineForm(const QString &keyword);
    LineForm saveAsForm(const QString &purposeName);
    LineForm saveAsTargetForm(const QString &purposeName);
    LineForm zoomForm(const QString &purposeName, const QString &action) const;
    LineForm dxfForm(const QString &purposeType);
    QString saveAsTarget(int drawing, const QString &name);

    const Session &m_session;
    SettingsLookup &m_lookup;
    RowLines &m_scrcmddata;
    GenerationView &m_view;

    // The last stamp and the span of clock time, in milliseconds since the epoch, in which it
    // holds: the local day it was taken on. Reading the clock's milliseconds is cheap; working
    // out the local date is not, and is only done when the day may have changed.
    QString m_stamp;
    qint64 m_stampFrom = 0;
    qint64 m_stampUntil = 0;
};

} // namespace tavrolin
