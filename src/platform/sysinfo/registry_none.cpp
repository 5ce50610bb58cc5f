#include "registry.h"

namespace tavrolin {

bool GetKeyValue(RegistryRoot, const QString &, const QString &, QString &keyVal)
{
    keyVal.clear();
    return false;
}

QStringList registrySubkeys(RegistryRoot, const QString &)
{
    return {};
}

} // namespace tavrolin
