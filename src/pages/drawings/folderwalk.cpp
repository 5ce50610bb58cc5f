#include "folderwalk.h"

namespace tavrolin {

FolderWalk::FolderWalk(const QString &folder)
{
    m_plain.append(folder);
}

QString FolderWalk::next()
{
    while (!m_plain.isEmpty() || !m_linked.empty()) {
        QString folder;
        if (!m_plain.isEmpty()) {
            folder = m_plain.takeLast();
        } else {
            folder = m_linked.extract(m_linked.begin()).value();
        }
        const QString place = QFileInfo(folder).canonicalFilePath();
        const QString &identity = place.isEmpty() ? folder : place;
        if (!m_walked.contains(identity)) {
            m_walked.insert(identity);
            return folder;
        }
    }
    return {};
}

void FolderWalk::found(const QFileInfo &folder)
{
    if (folder.isSymbolicLink() || folder.isJunction())
        m_linked.insert(folder.filePath());
    else
        m_plain.append(folder.filePath());
}

} // namespace tavrolin
