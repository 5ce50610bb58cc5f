#pragma once

#include <QString>
#include <QStringList>

namespace tavrolin {

// The root keys of the Windows registry.
enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine, Users };

// Reads the value valueName of the registry key keyName under root. The key is opened for
// reading values only, so ordinary users can read what they are allowed to see, and it is
// closed again on every path. A text value gives its text up to the first NUL, a number value
// (REG_DWORD) its decimal text; a value of any other type is read but leaves keyVal as it was.
// Returns false, with keyVal emptied, when the key or the value cannot be opened or read;
// where there is no registry that is always so.
bool GetKeyValue(RegistryRoot root, const QString &keyName, const QString &valueName,
                 QString &keyVal);

// The names of the subkeys of the registry key keyName under root, in the registry's order;
// none when the key cannot be opened or where there is no registry.
QStringList registrySubkeys(RegistryRoot root, const QString &keyName);

} // namespace tavrolin
