#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>

class QSaveFile;

namespace tavrolin {

// A file written whole or not at all, piece by piece. A regular file, or a new one, is written
// through a save file beside it, which replaces it only on commit(): a failure, or no commit,
// leaves an existing file as it was. A device or a FIFO (/dev/null, a pipe) is written into
// directly, as a shell redirection would: replacing it by a regular file would destroy it; its
// bytes are held until commit(), so that it too gets all or nothing. A symbolic link that leads
// round in a circle names no file and is refused.
class OutputFile
{
public:
    explicit OutputFile(const QString &path);
    ~OutputFile();

    // Opens the file at the first write. After a failure further writes do nothing, and
    // commit() tells the failure.
    void write(QByteArrayView bytes);

    // Completes the file. On failure returns false and says why in *reason.
    bool commit(QString *reason);

private:
    bool open();
    void fail();

    QString m_path;
    std::unique_ptr<QSaveFile> m_file;
    QByteArray m_held; // a device's bytes, written on commit
    bool m_device = false;
    bool m_opened = false;
    QString m_failure;
};

// Writes bytes to a file, whole or not at all, through an OutputFile. On failure returns false
// and says why in *reason.
bool writeOutputFile(const QString &path, const QByteArray &bytes, QString *reason);

} // namespace tavrolin
