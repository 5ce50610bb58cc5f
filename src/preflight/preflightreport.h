#pragma once

#include "finding.h"

#include <QStringList>
#include <vector>

namespace tavrolin {

// The findings of a check of a drawing list, drawing by drawing in list order.
struct PreflightReport
{
    QStringList drawings;
    std::vector<DrawingFindings> findings; // entry d: the findings of drawing d

    int drawingsWithFindings() const;
    int findingCount() const;
};

} // namespace tavrolin
