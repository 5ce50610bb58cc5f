#include "preflightreport.h"

#include <algorithm>

namespace tavrolin {

int PreflightReport::drawingsWithFindings() const
{
    return int(std::count_if(findings.begin(), findings.end(),
                             [](const DrawingFindings &found) { return !found.isEmpty(); }));
}

int PreflightReport::findingCount() const
{
    qsizetype count = 0;
    for (const DrawingFindings &found : findings)
        count += found.size();
    return int(count);
}

} // namespace tavrolin
