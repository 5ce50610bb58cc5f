#pragma once

#include "gridtexts.h"

namespace tavrolin {

// Reads a grid file: UTF-8 (a byte-order mark at its start is skipped), one line per grid row
// from row 0, at most kGridRows lines, the at most kGridColumns cells of a line separated by
// TAB. A cell holds no control character. On failure returns false and says why, naming the
// file, in *error; the table is then left as it was.
bool readGridTextFile(const QString &path, GridTextTable *grid, QString *error);

} // namespace tavrolin
