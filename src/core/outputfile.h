#pragma once

#include <QByteArray>
#include <QString>

namespace tavrolin {

// Writes bytes to a file, whole or not at all. A regular file, or a new one, is written through a
// save file beside it, which replaces it only once complete: a failure leaves an existing file as
// it was. A device or a FIFO (/dev/null, a pipe) is written into directly, as a shell
// redirection would: replacing it by a regular file would destroy it. On failure returns false
// and says why in *reason.
bool writeOutputFile(const QString &path, const QByteArray &bytes, QString *reason);

} // namespace tavrolin
