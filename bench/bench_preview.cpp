// Times the reading of the preview picture of each drawing given on the command line (or of the
// sample drawings beside the project when none is given): the drawing list page reads it when an
// entry is clicked, so it must take a few milliseconds at most.

#include "platform/preview/drawingpreviewreader.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>

using namespace tavrolin;

namespace {

QStringList drawingsToRead(const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return arguments;
    QStringList paths;
    const QDir samples(QStringLiteral(TAVROLIN_DRAWINGS_DIR));
    for (const QFileInfo &file :
         samples.entryInfoList({QStringLiteral("*.dwg"), QStringLiteral("*.dxf")}))
        paths.append(file.filePath());
    return paths;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    for (const QString &path : drawingsToRead(app.arguments().mid(1))) {
        PreviewResult result = DrawingPreviewReader::readFile(path);
        QElapsedTimer timer;
        timer.start();
        int reads = 0;
        while (timer.elapsed() < 200) {
            result = DrawingPreviewReader::readFile(path);
            ++reads;
        }
        const double micros = static_cast<double>(timer.nsecsElapsed()) / 1e3 / reads;
        out << QFileInfo(path).fileName().leftJustified(52)
            << QString::number(micros, 'f', 0).rightJustified(8) << " us  " << result.image.width()
            << 'x' << result.image.height() << ' ' << result.error << '\n';
    }
    return 0;
}
