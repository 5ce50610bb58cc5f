#pragma once

#include "drawingprobe.h"
#include "folderentries.h"
#include "generation/scriptsaves.h"
#include "pathidentity.h"
#include "preflightreport.h"
#include "release.h"

#include <QHash>
#include <functional>
#include <optional>

namespace tavrolin {

// The check of a drawing list before a script runs on it: each drawing is looked at for what
// would stop AutoCAD at it or derail the rest of the script (a missing or damaged file, a format
// too new, a file that cannot be saved, one open elsewhere, one listed twice, a save that would
// meet an existing file). Each drawing costs a few bytes read and a look at its folder, which
// is listed once for all its drawings.
class PreflightCheck
{
public:
    struct Input
    {
        QStringList drawings;
        // The release that will run the script; without it formats are not checked.
        std::optional<Release> release;
        // What the script saves; without it the findings that need the grid are not sought.
        std::optional<ScriptSaves> saves;
    };

    // Checks the whole list. `checked` is told after each drawing how many have been checked;
    // when it returns false the check stops and gives nothing.
    static std::optional<PreflightReport> run(const Input &input,
                                              const std::function<bool(int)> &checked = {});

private:
    explicit PreflightCheck(const Input &input) : m_input(input) {}

    void checkDrawing(int drawing, DrawingFindings *found);
    void checkFile(const QFileInfo &info, DrawingFindings *found) const;
    void checkSaves(int drawing, DrawingFindings *found);

    const Input &m_input;
    FolderEntries m_entries;
    PathIdentity m_identity;
    QHash<QString, int> m_listed; // key of a listed file -> its first place in the list
};

} // namespace tavrolin
