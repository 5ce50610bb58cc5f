#pragma once

#include <QString>

namespace tavrolin {

class GridTexts;

// The questions that "次へ＞" asks before it generates the script: whether to go on without the
// rows below the script's last row that hold texts ("N段目から下は使われません。続けますか？"),
// and whether to go on with typed texts in the script's rows whose blanks AutoCAD would take as
// Enters. Returns false when the user answers No to one of them.
bool askForwardQuestions(const GridTexts &grid, const QString &settingsPath);

} // namespace tavrolin
