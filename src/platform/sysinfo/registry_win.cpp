#include "registry.h"
#include "win32registryvalue.h"

namespace tavrolin {

namespace {

HKEY nativeRoot(RegistryRoot root)
{
    switch (root) {
    case RegistryRoot::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser:
        return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine:
        return HKEY_LOCAL_MACHINE;
    case RegistryRoot::Users:
        return HKEY_USERS;
    }
    return HKEY_LOCAL_MACHINE;
}

} // namespace

bool GetKeyValue(RegistryRoot root, const QString &keyName, const QString &valueName,
                 QString &keyVal)
{
    const auto value =
        readWin32RegistryValue(nativeRoot(root), keyName.toStdWString(), valueName.toStdWString());
    if (!value) {
        keyVal.clear();
        return false;
    }
    if (value->text)
        keyVal = QString::fromStdWString(*value->text);
    return true;
}

QStringList registrySubkeys(RegistryRoot root, const QString &keyName)
{
    QStringList names;
    for (const std::wstring &name :
         readWin32RegistrySubkeys(nativeRoot(root), keyName.toStdWString()))
        names.append(QString::fromStdWString(name));
    return names;
}

} // namespace tavrolin
