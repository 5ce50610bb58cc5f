#pragma once

#include "registry.h"

#include <QString>
#include <functional>
#include <optional>

namespace tavrolin {

// The system information tool of Windows, which the About box offers to start. Its place is
// looked up in the registry; where there is no registry the tool is never found.
class SysInfoTool
{
public:
    using ValueReader = std::function<bool(RegistryRoot root, const QString &keyName,
                                           const QString &valueName, QString &keyVal)>;

    // readValue reads one registry value, as GetKeyValue does; tests give a stand-in.
    explicit SysInfoTool(ValueReader readValue = GetKeyValue);

    // The tool's full path: the path registered for it, or else MSINFO32.EXE in the folder
    // registered for it when that file exists there. Nothing when neither is found.
    std::optional<QString> findPath() const;

    // Starts the tool as a program of its own. False with a short reason when it was not found
    // or did not start.
    bool start(QString *error) const;

private:
    ValueReader m_readValue;
};

} // namespace tavrolin
