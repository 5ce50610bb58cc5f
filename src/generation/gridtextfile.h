#pragma once

#include "gridtexts.h"

namespace tavrolin {

// Reads a grid file: a text file as readTextLines reads it (UTF-8, UTF-16 or the ANSI code
// page), one line per grid row from row 0, at most kGridRows lines, the at most kGridColumns cells
// of a line separated by TAB. A line of all five cells is taken as it stands. A shorter line whose
// last cell is "終了" ended its row there, so its missing cells read "終了"; any other missing cell
// is empty. A cell holds no control character, and some cell holds a text. On failure returns false
// and says why, naming the file, in *error; the table is then left as it was.
bool readGridTextFile(const QString &path, GridTextTable *grid, QString *error);

// Writes the grid's texts as a grid file that readGridTextFile reads back: UTF-8 without a
// byte-order mark, rows 0 to the last row that holds any text, each line ending in LF, the five
// cells of a row separated by TAB; whole or not at all. A cell that holds a control character
// cannot be written (a TAB or a line end would move the cells read back). On failure returns
// false and says why, naming the file, in *error.
bool writeGridTextFile(const QString &path, const GridTexts &grid, QString *error);

} // namespace tavrolin
