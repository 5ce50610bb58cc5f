#include "sysinfotool.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace tavrolin {

namespace {

const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString ToolValue = QStringLiteral("PATH");
const QString FolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString FolderValue = QStringLiteral("MSINFO");
const QString ToolFileName = QStringLiteral("MSINFO32.EXE");

} // namespace

SysInfoTool::SysInfoTool(ValueReader readValue) : m_readValue(std::move(readValue)) {}

std::optional<QString> SysInfoTool::findPath() const
{
    QString path;
    if (m_readValue(RegistryRoot::LocalMachine, ToolKey, ToolValue, path))
        return path;
    QString folder;
    if (!m_readValue(RegistryRoot::LocalMachine, FolderKey, FolderValue, folder) ||
        folder.isEmpty())
        return std::nullopt;
    const QString candidate = QDir::toNativeSeparators(QDir(folder).filePath(ToolFileName));
    if (!QFileInfo::exists(candidate))
        return std::nullopt;
    return candidate;
}

bool SysInfoTool::start(QString *error) const
{
    const std::optional<QString> path = findPath();
    QString reason;
    if (!path)
        reason = QStringLiteral("the system information tool is not installed");
    else if (!QProcess::startDetached(*path))
        reason = QStringLiteral("the system information tool did not start: %1").arg(*path);
    if (error)
        *error = reason;
    return reason.isEmpty();
}

} // namespace tavrolin
