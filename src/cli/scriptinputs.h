#pragma once

#include "core/drawinglistfile.h"
#include "generation/gridtexts.h"

#include <QCommandLineOption>
#include <QDateTime>
#include <QStringList>
#include <memory>
#include <optional>

class QCommandLineParser;

namespace tavrolin {

struct Session;

// The inputs that `tavrolin script` turns into a script and `tavrolin preflight` checks: the
// settings file, the grid's texts, the drawing list and the time of the date stamps.
struct ScriptInputs
{
    QString settingsPath;
    QDateTime now;
    QStringList drawings;              // the DRAWING arguments, then the drawing list's
    qsizetype namedDrawings = 0;       // how many of them are DRAWING arguments
    DrawingListFile list;              // the drawing list file, when one was given
    std::optional<GridTextTable> grid; // none when no grid file was given

    // Names drawing `index` for a message: its path, and for a drawing list's, the file's line.
    QString placeOf(qsizetype index) const;

    // A session holding the drawing list as the drawing list page fills it.
    std::unique_ptr<Session> session() const;
};

// The options of those inputs and their one reader, so both commands take the same options and
// refuse the same input with the same message (exit status 2): a settings file that cannot be
// read, a grid file or drawing list that is not well formed, a path that a drop onto the drawing
// list would refuse, an empty or too long list, a time not in the form asked.
class ScriptInputOptions
{
public:
    explicit ScriptInputOptions(bool gridRequired);

    QCommandLineOption settings;
    QCommandLineOption grid;
    QCommandLineOption drawings;
    QCommandLineOption now;

    // Reads the inputs the parser was given; on a refusal returns its message. Without a grid
    // file the settings file is not needed, and not read.
    std::optional<QString> read(const QCommandLineParser &parser, ScriptInputs *inputs) const;

private:
    std::optional<QString> readTime(const QCommandLineParser &parser, QDateTime *time) const;

    bool m_gridRequired;
};

} // namespace tavrolin
