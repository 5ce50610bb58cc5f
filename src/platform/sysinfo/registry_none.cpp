#include "registry.h"

namespace tavrolin {

bool GetKeyValue(RegistryRoot, const QString &, const QString &, QString &keyVal)
{
    keyVal.clear();
    return false;
}

} // namespace tavrolin
