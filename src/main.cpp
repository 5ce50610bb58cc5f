#include "applicationidentity.h"
#include "cli/headless.h"
#include "cli/wizardmodule.h"
#include "core/qttranslations.h"
#include "platform/console/console.h"

#include <QCoreApplication>

namespace {

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace

// The executable links QtCore only. The wizard lives in the wizard module, which is loaded and
// handed the whole start (wizardmain.cpp), so the headless commands start quickly.
int main(int argc, char **argv)
{
    if (!tavrolin::isHeadlessCommand(argumentsOf(argc, argv)))
        return tavrolin::runWizardModule(argc, argv);
    tavrolin::useParentConsole();
    QCoreApplication app(argc, argv);
    tavrolin::describeApplication();
    const tavrolin::QtTranslations translations;
    return tavrolin::runHeadlessCommand(app.arguments());
}
