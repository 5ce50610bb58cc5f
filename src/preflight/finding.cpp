#include "finding.h"

namespace tavrolin {

QString Finding::codeName() const
{
    switch (code) {
    case Code::Missing:
        return QStringLiteral("missing");
    case Code::NotDrawing:
        return QStringLiteral("not-drawing");
    case Code::TooNew:
        return QStringLiteral("too-new");
    case Code::ReadOnly:
        return QStringLiteral("read-only");
    case Code::Locked:
        return QStringLiteral("locked");
    case Code::Duplicate:
        return QStringLiteral("duplicate");
    case Code::TargetExists:
        return QStringLiteral("target-exists");
    case Code::TargetInList:
        return QStringLiteral("target-in-list");
    }
    return {};
}

} // namespace tavrolin
