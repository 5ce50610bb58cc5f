#pragma once

#include "gridtexts.h"
#include "rowlines.h"

#include <QString>
#include <functional>
#include <optional>

namespace tavrolin {

struct Session;
class SettingsLookup;

// Turns one grid row into the form of its AutoCAD command line for every drawing of the drawing
// list (scrmakefile). The row's command keyword is read from the settings file under its purpose
// type and picks the line form; the cell texts go into the line as they stand, each whole, the
// action cut to its first 20 characters as the last value of a settings list is. In a script
// each blank and each line end is an Enter, so the blanks of every form are exact.
class CommandLineBuilder
{
public:
    // Makes the text of drawing d (0 to DrawingCount - 1).
    using LineForm = std::function<QString(int drawing)>;

    CommandLineBuilder(const Session &session, SettingsLookup &lookup, RowLines &scrcmddata);

    // The line form of a row of these five cell texts; one that makes no line when the row's
    // keyword has no form (an unknown keyword, or a save-as, zoom or DXF row whose purpose the
    // form does not know).
    RowForm rowForm(const GridRow &cells);

    // Stores the line form of row `colum` (0 to 11) from its five cell texts. Returns false,
    // storing nothing, when the row makes no line.
    bool scrmakefile(const GridRow &cells, int colum);

    // What a row's line does with the drawing file it runs on: nothing, save it in place
    // (qsave, asdwg), save it under a new name (saveas), or save a DXF file beside it under the
    // save command's default name (dxf).
    struct FileEffect
    {
        enum class Kind { None, SavesInPlace, SavesAs, SavesDxf };
        Kind kind = Kind::None;
        // For a save-as row: the drawing its line writes for drawing d, exactly as the line
        // names it.
        LineForm savedAs;
    };

    // The effect of the row whose lines scrmakefile builds from the same cells.
    FileEffect fileEffect(const GridRow &cells);

    // Today's date as yyMMdd (011231 for 31 December 2001), the stamp of dated save-as names.
    // It is taken anew for every drawing's line, so a run across midnight changes the date.
    QString getdate();

private:
    // How save-as rows name the new drawings: by date and number, or by number alone.
    enum class SaveAsNames { Dated, Numbered };

    QString keywordOf(const GridRow &cells);
    RowForm lineForm(const QString &keyword, const GridRow &cells);
    static std::optional<SaveAsNames> saveAsNames(const QString &purposeName);
    RowForm saveAsForm(const QString &purposeName);
    LineForm saveAsTargetForm(const QString &purposeName);
    // What of a save-as row's line is wanted: the whole line, or the drawing it saves.
    enum class SaveAsPart { Line, Target };
    void appendSaveAs(int drawing, SaveAsNames names, SaveAsPart part, QString &text);
    // The folder of drawing d, up to and including its last separator: where its save-as lines
    // save.
    QStringView savefolder(int drawing) const;
    // getdate() without a copy of the stamp: valid until the next call.
    QStringView dateStamp();
    RowForm zoomForm(const QString &purposeName, const QString &action) const;
    RowForm dxfForm(const QString &purposeType);

    const Session &m_session;
    SettingsLookup &m_lookup;
    RowLines &m_scrcmddata;

    // The last stamp and the span of clock time, in milliseconds since the epoch, in which it
    // holds: the local day it was taken on. Reading the clock's milliseconds is cheap; working
    // out the local date is not, and is only done when the day may have changed.
    QString m_stamp;
    qint64 m_stampFrom = 0;
    qint64 m_stampUntil = 0;
};

} // namespace tavrolin
