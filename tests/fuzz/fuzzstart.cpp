// The start of every fuzz target: Qt, without its messages. A damaged input makes Qt warn, and
// printing every warning would slow fuzzing down.

#include <QCoreApplication>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static QCoreApplication application(*argc, *argv);
    return 0;
}
