#include "cli/headless.h"

#include <QCoreApplication>
#include <QTextStream>

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
        QCoreApplication app(argc, argv);
        describeApplication();
        return tavrolin::runHeadlessCommand(app.arguments());
    }
    QTextStream(stderr) << "The wizard's windows are not built yet; use \"tavrolin script\"."
                        << Qt::endl;
    return 1;
}
