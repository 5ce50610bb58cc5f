#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace tavrolin {

// Writes a Windows icon file that holds several sizes of one picture, each as a 32-bit
// picture with alpha plus the 1-bit transparency mask that older systems use. Qt's own ico
// writer stores only one picture per file and leaves the mask's row padding unset, which would
// make the committed file differ from run to run.
class IcoFile
{
public:
    static bool write(const QString &path, const QList<QImage> &sizes, QString *error);
};

} // namespace tavrolin
