#pragma once

#include "platform/sysinfo/registry.h"

#include <QString>
#include <functional>
#include <optional>

namespace tavrolin {

// Where the core console of an installed AutoCAD lies. Each installed release has a key under
// HKEY_LOCAL_MACHINE\SOFTWARE\Autodesk\AutoCAD (R24.0, R23.1, …) with a key for each product
// installed of it (ACAD-7101:411, …), whose value AcadLocation names the product's folder; the
// console, accoreconsole.exe, lies there. Where there is no registry nothing is found.
class ConsoleLocation
{
public:
    using ValueReader = std::function<bool(RegistryRoot root, const QString &keyName,
                                           const QString &valueName, QString &keyVal)>;
    using SubkeyReader = std::function<QStringList(RegistryRoot root, const QString &keyName)>;

    static constexpr char16_t kReleasesKey[] = u"SOFTWARE\\Autodesk\\AutoCAD";
    static constexpr char16_t kConsoleName[] = u"accoreconsole.exe";

    // The readers of the registry; tests give stand-ins.
    explicit ConsoleLocation(ValueReader readValue = GetKeyValue,
                             SubkeyReader readSubkeys = registrySubkeys);

    // The console of the newest release whose console file exists.
    std::optional<QString> find() const;

private:
    ValueReader m_readValue;
    SubkeyReader m_readSubkeys;
};

} // namespace tavrolin
