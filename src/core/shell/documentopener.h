#pragma once

#include <QStringList>

namespace tavrolin {

// Opens a file in the program that the system opens its kind of file with (a log in Notepad on
// Windows), behind a seam. False when the system could not.
bool openDocument(const QString &path);

// What tests install instead: records the files asked for and opens none.
class RecordedDocuments
{
public:
    RecordedDocuments();
    ~RecordedDocuments();
    RecordedDocuments(const RecordedDocuments &) = delete;
    RecordedDocuments &operator=(const RecordedDocuments &) = delete;

    const QStringList &opened() const { return m_opened; }
    void record(const QString &path) { m_opened.append(path); }

private:
    QStringList m_opened;
};

} // namespace tavrolin
