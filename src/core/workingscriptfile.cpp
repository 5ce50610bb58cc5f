#include "workingscriptfile.h"

#include "filefailure.h"
#include "programfolder.h"

#include <QDir>
#include <QLockFile>

namespace tavrolin {

namespace {

QString workingFileName(int number)
{
    return number == 1 ? QStringLiteral("tmp.scr") : QStringLiteral("tmp-%1.scr").arg(number);
}

} // namespace

WorkingScriptFile::WorkingScriptFile() = default;

WorkingScriptFile::~WorkingScriptFile() = default;

bool WorkingScriptFile::claim(QString *error)
{
    if (!m_path.isEmpty())
        return true;
    QStringList reasons;
    for (const QString &folder : {programFile(u"\\scr"), userFolder() + QStringLiteral("/scr")}) {
        QString reason;
        if (claimIn(folder, &reason))
            return true;
        reasons.append(QStringLiteral("%1: %2").arg(messagePath(folder), reason));
    }
    *error = QStringLiteral("作業用のスクリプトファイルを置けるフォルダーがありません。\n") +
             reasons.join(u'\n');
    return false;
}

bool WorkingScriptFile::claimIn(const QString &folder, QString *reason)
{
    if (!QDir().mkpath(folder)) {
        *reason = folderFailureReason(folder);
        return false;
    }
    for (int number = 1; number <= kMostFiles; ++number) {
        const QString path = folder + u'/' + workingFileName(number);
        auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
        // A lock is stale only when its copy no longer runs, however long that one has run.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            m_lock = std::move(lock);
            m_path = path;
            return true;
        }
        if (lock->error() != QLockFile::LockFailedError) { // not held by another copy
            *reason = fileFailureReason(path + QStringLiteral(".lock"), FileAction::Write);
            return false;
        }
    }
    *reason = QStringLiteral("作業用のスクリプトファイルがすべてほかのプログラムで使用中です");
    return false;
}

} // namespace tavrolin
