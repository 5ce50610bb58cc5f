#include "wizardmodule.h"

#include "commandline.h"
#include "core/filefailure.h"
#include "platform/console/console.h"
#include "platform/console/programstart.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

constexpr int kCannotLoad = 1;

} // namespace

WizardModule::WizardModule(const QString &folder)
    : m_library(folder + u'/' + QStringLiteral(TAVROLIN_WIZARD_MODULE))
{}

QFunctionPointer WizardModule::resolve(const char *name, QString *error)
{
    // The loader's own reason for a missing file is in English and names the file twice.
    if (!QFileInfo::exists(m_library.fileName())) {
        *error = failure(fileProblemText(FileProblem::NotFound));
        return nullptr;
    }
    if (!m_library.load()) {
        *error = failure(m_library.errorString());
        return nullptr;
    }
    if (const QFunctionPointer function = m_library.resolve(name))
        return function;
    *error = failure(u"%1 がありません"_s.arg(QLatin1StringView(name)));
    return nullptr;
}

QString WizardModule::failure(const QString &reason) const
{
    return u"ウィザードのモジュール %1 を読み込めません: %2\n"_s.arg(
        messagePath(m_library.fileName()), reason);
}

int runWizardModule(int argc, char **argv)
{
    WizardModule module(executableFolder());
    QString error;
    WizardModule::WizardMain *wizardMain =
        module.entry<WizardModule::WizardMain>(WizardModule::kWizardMain, &error);
    if (wizardMain == nullptr) {
        showStartFailure(error);
        return kCannotLoad;
    }
    return wizardMain(argc, argv);
}

int runModulePreviewCommand(const QStringList &arguments)
{
    WizardModule module(executableFolder());
    QString error;
    WizardModule::PreviewCommand *command =
        module.entry<WizardModule::PreviewCommand>(WizardModule::kPreviewCommand, &error);
    if (command == nullptr) {
        writeConsoleText(stderr, CommandLine::commandName(u"preview"_s) + u": "_s + error);
        return kCannotLoad;
    }
    return command(arguments);
}

} // namespace tavrolin
