// The entries of the wizard module, which the executable loads (cli/wizardmodule.h).
//
// The wizard is a module of its own so that the executable links QtCore alone: the headless
// commands then start without loading and relocating QtGui, QtWidgets, QtNetwork and the X11 and
// font libraries behind them, in a fraction of the time.
//
// The module holds its own copies of the static libraries it shares with the executable (the
// program folder's override, the seams of core/shell, the console's helpers): what one side sets
// there, the other never sees. So the executable only decides which way to go and hands over:
// for the wizard before it makes any application object; for the preview command, under its
// QCoreApplication, sharing only what lives in QtCore and the C runtime (the application object,
// its name and translations, the console attached on Windows).

#include "applicationidentity.h"
#include "cli/previewcommand.h"
#include "cli/wizardmodule.h"
#include "core/qttranslations.h"
#include "pages/wizard/wizard.h"

#include <QApplication>
#include <type_traits>

extern "C" Q_DECL_EXPORT int tavrolinWizardMain(int argc, char **argv)
{
    QApplication app(argc, argv);
    tavrolin::describeApplication();
    const tavrolin::QtTranslations translations;
    return tavrolin::runWizard();
}

extern "C" Q_DECL_EXPORT int tavrolinPreviewCommand(const QStringList &arguments)
{
    return tavrolin::runPreviewCommand(arguments);
}

static_assert(std::is_same_v<decltype(tavrolinWizardMain), tavrolin::WizardModule::WizardMain>);
static_assert(
    std::is_same_v<decltype(tavrolinPreviewCommand), tavrolin::WizardModule::PreviewCommand>);
