#include "rowlines.h"

#include "core/session.h"

namespace tavrolin {

RowLines::RowLines()
{
    for (auto &row : m_rows)
        row.resize(Session::kDrawingSlots);
}

} // namespace tavrolin
