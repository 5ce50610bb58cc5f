// makeartwork OUTPUT_FOLDER: writes the window icon sw.ico (16, 32 and 48 px), the welcome
// picture splash.bmp and the finish picture finish.bmp into OUTPUT_FOLDER.

#include "icofile.h"
#include "picturemaker.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageWriter>
#include <QTextStream>

using namespace tavrolin;

namespace {

// The pages load plain 24-bit bitmaps.
bool writeBitmap(const QString &path, const QImage &picture, QString *error)
{
    QImageWriter writer(path, "bmp");
    if (!writer.write(picture.convertToFormat(QImage::Format_RGB888))) {
        *error = writer.errorString();
        return false;
    }
    return true;
}

bool writeArtwork(const QDir &folder, QString *error)
{
    const QList<QImage> iconSizes{PictureMaker::windowIcon(16), PictureMaker::windowIcon(32),
                                  PictureMaker::windowIcon(48)};
    return IcoFile::write(folder.filePath(QStringLiteral("sw.ico")), iconSizes, error) &&
           writeBitmap(folder.filePath(QStringLiteral("splash.bmp")),
                       PictureMaker::welcomePicture(), error) &&
           writeBitmap(folder.filePath(QStringLiteral("finish.bmp")), PictureMaker::finishPicture(),
                       error);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    QTextStream errors(stderr);
    if (arguments.size() != 2) {
        errors << "Usage: makeartwork OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir folder(arguments[1]);
    if (!folder.mkpath(QStringLiteral("."))) {
        errors << "makeartwork: cannot create " << arguments[1] << '\n';
        return 1;
    }
    QString error;
    if (!writeArtwork(folder, &error)) {
        errors << "makeartwork: " << error << '\n';
        return 1;
    }
    return 0;
}
