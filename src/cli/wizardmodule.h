#pragma once

#include <QLibrary>
#include <QString>
#include <QStringList>

namespace tavrolin {

// The wizard module: everything that needs the window libraries (the wizard, and the preview
// command, which draws pictures) is a shared library beside the executable, libtavrolin-wizard.so
// or tavrolin-wizard.dll, loaded only when it is wanted. The executable links QtCore alone, so
// the headless commands start without loading QtGui, QtWidgets and all they pull in.
class WizardModule
{
public:
    // The module's entries, exported with C linkage under these names.
    using WizardMain = int(int argc, char **argv);
    using PreviewCommand = int(const QStringList &arguments);
    static constexpr char kWizardMain[] = "tavrolinWizardMain";
    static constexpr char kPreviewCommand[] = "tavrolinPreviewCommand";

    // The module in `folder`: the executable's own (executableFolder()).
    explicit WizardModule(const QString &folder);

    // Loads the module and finds an entry; else nullptr, with `error` telling the user why, in
    // Japanese, naming the module's file and the loader's reason. The module stays loaded.
    template <typename Function>
    Function *entry(const char *name, QString *error)
    {
        return reinterpret_cast<Function *>(resolve(name, error));
    }

private:
    QFunctionPointer resolve(const char *name, QString *error);
    QString failure(const QString &reason) const;

    QLibrary m_library;
};

// Loads the module beside the executable and runs the wizard in it; returns its exit status. The
// caller has made no application object: the module makes its own. When the module cannot be
// loaded, says so (showStartFailure) and returns 1.
int runWizardModule(int argc, char **argv);

// The "preview" sub-command (previewcommand.h), run by the module under the program's
// QCoreApplication; exit status 1 with a message when the module cannot be loaded.
int runModulePreviewCommand(const QStringList &arguments);

} // namespace tavrolin
