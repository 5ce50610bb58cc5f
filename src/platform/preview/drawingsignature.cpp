#include "drawingsignature.h"

#include <algorithm>

namespace tavrolin {

bool DrawingSignature::isDwg(QByteArrayView head)
{
    if (head.size() < VersionMarkSize || !head.startsWith("AC"))
        return false;
    const QByteArrayView rest = head.sliced(2, VersionMarkSize - 2);
    return std::all_of(rest.begin(), rest.end(),
                       [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

} // namespace tavrolin
