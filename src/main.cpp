#include "cli/headless.h"
#include "core/qttranslations.h"
#include "pages/wizard/wizard.h"
#include "platform/console/console.h"

#include <QApplication>
#include <QCoreApplication>

namespace {

void describeApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tavrolin"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVROLIN_VERSION));
}

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList arguments = argumentsOf(argc, argv);
    if (tavrolin::isHeadlessCommand(arguments)) {
        tavrolin::useParentConsole();
        QCoreApplication app(argc, argv);
        describeApplication();
        const tavrolin::QtTranslations translations;
        return tavrolin::runHeadlessCommand(app.arguments());
    }
    QApplication app(argc, argv);
    describeApplication();
    const tavrolin::QtTranslations translations;
    return tavrolin::runWizard();
}
