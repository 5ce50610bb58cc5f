#include "outputfile.h"

#include "filefailure.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace tavrolin {

namespace {

// As many links as the system follows before it gives up on a path.
constexpr int kMaxLinkDepth = 40;

// True when the path is a symbolic link whose chain of links never reaches a file or a missing
// name: a save file would replace the link itself, where a shell's redirection fails.
bool isLinkLoop(const QString &path)
{
    QFileInfo link(path);
    for (int depth = 0; link.isSymLink(); ++depth) {
        if (depth == kMaxLinkDepth)
            return true;
        link.setFile(link.symLinkTarget());
    }
    return false;
}

bool isSpecialFile(const QString &path)
{
#ifdef Q_OS_WIN
    // Windows names its devices in the \\.\ namespace (\\.\NUL, \\.\COM1).
    if (QDir::toNativeSeparators(path).startsWith(u"\\\\.\\"))
        return true;
#endif
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

} // namespace

OutputFile::OutputFile(const QString &path) : m_path(path) {}

OutputFile::~OutputFile() = default; // an uncommitted save file is discarded

bool OutputFile::open()
{
    m_opened = true;
    if (isLinkLoop(m_path)) {
        m_failure = fileProblemText(FileProblem::LinkLoop);
        return false;
    }
    m_device = isSpecialFile(m_path);
    if (m_device)
        return true;
    m_file = std::make_unique<QSaveFile>(m_path);
    if (!m_file->open(QIODevice::WriteOnly)) {
        fail();
        return false;
    }
    return true;
}

void OutputFile::fail()
{
    m_failure = fileFailureReason(m_path, FileAction::Write);
}

void OutputFile::write(QByteArrayView bytes)
{
    if (!m_opened && !open())
        return;
    if (!m_failure.isEmpty())
        return;
    if (m_device)
        m_held.append(bytes);
    else if (m_file->write(bytes.data(), bytes.size()) != bytes.size())
        fail();
}

// A device must take every byte unbuffered, so a full one is noticed. A save file is flushed
// explicitly: a failure to write the buffered bytes while committing would go unnoticed, and
// the cut-short file would replace the old one.
bool OutputFile::commit(QString *reason)
{
    if (!m_opened)
        write({});
    if (m_failure.isEmpty()) {
        if (m_device) {
            QFile device(m_path);
            if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
                device.write(m_held) != m_held.size())
                fail();
        } else if (!m_file->flush() || !m_file->commit()) {
            fail();
        }
    }
    *reason = m_failure;
    return m_failure.isEmpty();
}

bool writeOutputFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    OutputFile file(path);
    file.write(bytes);
    return file.commit(reason);
}

} // namespace tavrolin
