#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QLockFile;

namespace tavrolin {

// The working script file of this running copy of the program: the file the review page writes
// and the finish page hands to AutoCAD. Every running copy has a file of its own, so that no
// copy hands over another's script: the first takes "tmp.scr" in the program folder's "scr",
// each further one the first free of "tmp-2.scr", "tmp-3.scr"…, each held by a lock file beside
// it for as long as the copy runs. Where the program folder's "scr" cannot be written, the file
// is taken in the same way in "scr" of the user's own folder (userFolder).
class WorkingScriptFile
{
public:
    // The most working files of one folder: more copies than that at once are refused.
    static constexpr int kMostFiles = 99;

    WorkingScriptFile();
    ~WorkingScriptFile();
    WorkingScriptFile(const WorkingScriptFile &) = delete;
    WorkingScriptFile &operator=(const WorkingScriptFile &) = delete;

    // Takes this copy's working file at the first call and keeps it from then on; the folders
    // are those of that moment. False, with the reason in Japanese in *error, when no folder
    // takes one.
    bool claim(QString *error);

    // The file taken, or the empty text before the first claim.
    QString path() const { return m_path; }

private:
    // A free file in the folder, locked for this copy; the reason why none is, otherwise.
    bool claimIn(const QString &folder, QString *reason);

    std::unique_ptr<QLockFile> m_lock;
    QString m_path;
};

} // namespace tavrolin
