#include "core/filefailure.h"
#include "support/printedtext.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

// The program's executable and its wizard module: the headless commands run without the module
// and its window libraries; the wizard and the preview command, which need it, say so clearly
// when it cannot be loaded.
class TestWizardModule : public QObject
{
    Q_OBJECT

private slots:
    void headlessCommandsLoadNoWindowLibrary();
    void withoutTheModule_data();
    void withoutTheModule();
};

namespace {

QString moduleFileName()
{
#ifdef Q_OS_WIN
    return u"tavrolin-wizard.dll"_s;
#else
    return u"libtavrolin-wizard.so"_s;
#endif
}

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run run(const QString &program, const QStringList &arguments,
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), test::printedText(process.readAllStandardOutput()),
            test::printedText(process.readAllStandardError())};
}

} // namespace

// The system's loader lists the libraries the program needs without running it.
void TestWizardModule::headlessCommandsLoadNoWindowLibrary()
{
#ifdef Q_OS_LINUX
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"LD_TRACE_LOADED_OBJECTS"_s, u"1"_s);
    const Run traced = run(TAVROLIN_PROGRAM_DIR "/tavrolin"_L1, {u"--version"_s}, environment);
    QCOMPARE(traced.status, 0);
    QVERIFY2(traced.out.contains(u"libQt6Core"_s), qPrintable(traced.out));
    for (const QString &library : {u"libQt6Gui"_s, u"libQt6Widgets"_s, u"libX11"_s})
        QVERIFY2(!traced.out.contains(library), qPrintable(library + u" in\n"_s + traced.out));
#else
    QSKIP("The libraries a program needs are listed by the loader of Linux");
#endif
}

// Each row: the arguments, the exit status, and standard error, where %1 stands for the
// module's path and %2 for the program's file name. "empty" puts an empty file in the module's
// place, which the loader refuses.
void TestWizardModule::withoutTheModule_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("err");

    const QString missing = u"ウィザードのモジュール %1 を読み込めません: "_s +
                            fileProblemText(FileProblem::NotFound) + u'\n';
    QTest::newRow("the wizard") << QStringList() << false << 1 << missing;
    QTest::newRow("the wizard, toolkit options")
        << QStringList{u"-platform"_s, u"offscreen"_s} << false << 1 << missing;
    QTest::newRow("preview") << QStringList{u"preview"_s, u"a.dwg"_s, u"-o"_s, u"a.png"_s} << false
                             << 1 << u"%2 preview: "_s + missing;
    QTest::newRow("the version needs no module")
        << QStringList{u"--version"_s} << false << 0 << QString();
    QTest::newRow("a file the loader refuses")
        << QStringList{u"-platform"_s, u"offscreen"_s} << true << 1
        << u"ウィザードのモジュール %1 を読み込めません: "_s;
}

void TestWizardModule::withoutTheModule()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, empty);
    QFETCH(int, status);
    QFETCH(QString, err);
    QTemporaryDir dir;
    const QString program = dir.filePath(test::programFileName());
    QVERIFY(QFile::copy(TAVROLIN_PROGRAM_DIR "/"_L1 + test::programFileName(), program));
    const QString module = dir.filePath(moduleFileName());
    if (empty)
        test::writeBytes(module, QByteArray());
    const Run result = run(program, arguments);
    QCOMPARE(result.status, status);
    err.replace(u"%1"_s, QDir::toNativeSeparators(module))
        .replace(u"%2"_s, test::programFileName());
    // The loader's own reason follows the message.
    if (empty)
        QVERIFY2(result.err.startsWith(err) && result.err.size() > err.size() + 1,
                 qPrintable(result.err));
    else
        QCOMPARE(result.err, err);
}

QTEST_GUILESS_MAIN(TestWizardModule)
#include "test_wizardmodule.moc"
