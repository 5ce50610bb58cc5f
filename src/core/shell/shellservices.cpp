#include "shellservices.h"

#include "core/filefailure.h"
#include "core/programfolder.h"
#include "messagebox.h"
#include "pagewindow.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace tavrolin {

namespace {

QString iconFailure(const QImageReader &reader)
{
    switch (reader.error()) {
    case QImageReader::FileNotFoundError:
    case QImageReader::DeviceError:
        return fileFailureReason(reader.fileName(), FileAction::Read);
    default:
        return QStringLiteral("アイコンとして読める画像ではありません");
    }
}

// The window icon, or the reason why it cannot be read.
QIcon loadWindowIcon(QString *error)
{
    QImageReader reader(programFile(u"\\ico\\sw.ico"));
    QIcon icon;
    do {
        const QImage image = reader.read();
        if (image.isNull())
            break;
        icon.addPixmap(QPixmap::fromImage(image));
    } while (reader.jumpToNextImage());
    if (icon.isNull())
        *error = reader.fileName() + QStringLiteral(": ") + iconFailure(reader);
    return icon;
}

} // namespace

QList<PageWindow *> windowCollection()
{
    QList<PageWindow *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *window = qobject_cast<PageWindow *>(widget);
        if (window && !window->isClosing())
            windows.append(window);
    }
    return windows;
}

QString frmtitleset()
{
    QString error;
    const QIcon icon = loadWindowIcon(&error);
    for (PageWindow *window : windowCollection()) {
        window->setWindowTitle(productName());
        window->setWindowIcon(icon);
    }
    return error;
}

void wizardcancel()
{
    if (showMessage(QStringLiteral("ウィザードを中止しますか？"), ExclamationQuestion) == AnswerYes)
        frmallunload();
}

void frmallunload()
{
    for (PageWindow *window : windowCollection()) {
        if (!window->isClosing())
            window->close();
    }
    if (windowCollection().isEmpty())
        QCoreApplication::quit();
}

} // namespace tavrolin
