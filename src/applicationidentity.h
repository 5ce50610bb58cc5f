#pragma once

#include <QCoreApplication>

namespace tavrolin {

// The program's name and version, as --version, the About box and the accessibility bus tell
// them. The executable and the wizard module are both built with TAVROLIN_VERSION.
inline void describeApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tavrolin"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVROLIN_VERSION));
}

} // namespace tavrolin
