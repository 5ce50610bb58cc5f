#include "programfolder.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace tavrolin {

namespace {

QString &overriddenFolder()
{
    static QString folder;
    return folder;
}

QString &overriddenUserFolder()
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

QString userFolder()
{
    const QString &folder = overriddenUserFolder();
    if (!folder.isEmpty())
        return folder;
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("/Tavrolin");
#else
    const QString name = QStringLiteral("/tavrolin");
#endif
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + name;
}

void setUserFolder(const QString &folder)
{
    overriddenUserFolder() = folder;
}

} // namespace tavrolin
