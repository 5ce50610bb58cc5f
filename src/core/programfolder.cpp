#include "programfolder.h"

#include <QCoreApplication>

namespace tavrolin {

namespace {

QString &overriddenFolder()
{
    static QString folder;
    return folder;
}

} // namespace

QString programFolder()
{
    const QString &folder = overriddenFolder();
    return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

void setProgramFolder(const QString &folder)
{
    overriddenFolder() = folder;
}

QString programFile(QStringView relative)
{
    QString path = programFolder();
    if (!relative.startsWith(u'\\'))
        path += u'/';
    path += relative.toString().replace(u'\\', u'/');
    return path;
}

} // namespace tavrolin
