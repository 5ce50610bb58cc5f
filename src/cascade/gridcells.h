#pragma once

#include "generation/gridtexts.h"

#include <QStringList>

namespace tavrolin {

// The command grid's cells as the cascade works on them: each cell's text, whether the user can
// move into it, and its drop-down list. The grid page's widgets implement it, and so does an
// in-memory grid for the headless command and for checks that must not touch the page.
class GridCells : public GridTexts
{
public:
    virtual void setCellText(int row, int column, const QString &text) = 0;
    virtual bool isCellEnabled(int row, int column) const = 0;
    virtual void setCellEnabled(int row, int column, bool enabled) = 0;
    virtual QStringList cellList(int row, int column) const = 0;
    // Replaces the cell's whole list; the cell's text stays as it is.
    virtual void setCellList(int row, int column, const QStringList &entries) = 0;
};

} // namespace tavrolin
