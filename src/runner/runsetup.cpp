#include "runsetup.h"

#include "core/session.h"
#include "generation/scriptblocks.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

using namespace Qt::StringLiterals;

namespace tavrolin {

int RunSetup::defaultJobs()
{
    return qBound(1, QThread::idealThreadCount(), kMostJobs);
}

QString RunSetup::logsFolderBeside(const QString &resultsPath)
{
    const QFileInfo results(resultsPath);
    return results.absoluteDir().filePath(results.completeBaseName() + u"-logs"_s);
}

void RunSetup::takeScript(const Session &session)
{
    drawings.clear();
    scripts.clear();
    drawings.reserve(session.DrawingCount);
    scripts.reserve(session.DrawingCount);
    for (int drawing = 0; drawing < session.DrawingCount; ++drawing) {
        drawings.append(session.DrawingPaths[drawing]);
        scripts.append(drawingCommands(session, drawing));
    }
}

} // namespace tavrolin
