#include "drawingpath.h"

using namespace Qt::StringLiterals;

namespace tavrolin {

bool isDrawingPath(const QString &path)
{
    return path.endsWith(u".dwg", Qt::CaseInsensitive) ||
           path.endsWith(u".dxf", Qt::CaseInsensitive);
}

QString scriptPath(const QString &path)
{
    if (!path.contains(u' '))
        return path;
    return QChar(u'"') + path + u'"';
}

QString openCommand(const QString &path)
{
    return u".open "_s + scriptPath(path);
}

} // namespace tavrolin
