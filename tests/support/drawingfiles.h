#pragma once

#include "support/testfiles.h"

#include <QDir>
#include <QStringList>

namespace tavrolin::test {

// Makes drawings that the check of a drawing list takes for good ones (a DWG of release 2000:
// its version mark, then zeros) and returns their paths.
inline QStringList makeDrawings(const QDir &folder, const QStringList &names)
{
    QStringList paths;
    for (const QString &name : names) {
        paths.append(folder.filePath(name));
        writeBytes(paths.last(), QByteArray("AC1015") + QByteArray(122, '\0'));
    }
    return paths;
}

} // namespace tavrolin::test
