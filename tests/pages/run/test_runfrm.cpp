#include "core/drawingpath.h"
#include "core/shell/documentopener.h"
#include "core/shell/savedialog.h"
#include "pages/finish/consolechoice.h"
#include "pages/run/runresultsmodel.h"
#include "preflight/preflightrunner.h"
#include "support/drawingfiles.h"
#include "support/processes.h"
#include "support/wizardbench.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;
using tavrolin::test::WizardBench;

namespace {

const QString kConsole = QStringLiteral(TAVROLIN_STANDIN_CONSOLE);

} // namespace

// The finish page's third choice and the run window, with the stand-in console.
class TestRunWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsEachResultAndRetriesTheFailed();
    void stopEndsTheConsoles();
    void consoleChosenAndRemembered();

private:
    // A drawing list whose script saves every drawing in place, as the grid page leaves it.
    QStringList listDrawings(const QStringList &names);
    // Checks the third choice on the finish page and presses "実行"; the run window, if it opens.
    PageWindow *run(int jobs);
    QString shown(int row, int column) const;
    QString resultsFile() const;
    template <typename Widget>
    Widget *control(const char *name) const
    {
        PageWindow *window = WizardBench::window(u"frmRun"_s);
        return window ? window->findChild<Widget *>(QLatin1String(name)) : nullptr;
    }
    void waitUntilEnded() const
    {
        QTRY_VERIFY_WITH_TIMEOUT(control<QLabel>("lblSummary")->isVisible(), 60000);
    }

    std::unique_ptr<WizardBench> m_bench;
};

void TestRunWindow::init()
{
    m_bench = std::make_unique<WizardBench>();
}

void TestRunWindow::cleanup()
{
    QVERIFY(WizardBench::closeAll());
    m_bench.reset();
}

QStringList TestRunWindow::listDrawings(const QStringList &names)
{
    Session &session = m_bench->session();
    const QStringList paths = test::makeDrawings(QDir(m_bench->folder.file(u"drawings"_s)), names);
    for (const QString &path : paths) {
        const int d = session.DrawingCount++;
        session.DrawingPaths[d] = path;
        session.OpenCommands[d] = openCommand(path);
        session.ScriptText += u"\r\n"_s;
        session.ScriptBlocks.push_back(session.ScriptText.size());
        session.ScriptText += session.OpenCommands[d] + u"\r\n.qsave "_s;
    }
    m_bench->wizard.preflight().setScriptSaves(ScriptSaves{true, false, {}});
    return paths;
}

PageWindow *TestRunWindow::run(int jobs)
{
    m_bench->show(PageId::Finish);
    m_bench->click(PageId::Finish, "Check3");
    m_bench->control<QLineEdit>(PageId::Finish, "txtConsole")->setText(kConsole);
    m_bench->control<QSpinBox>(PageId::Finish, "spnJobs")->setValue(jobs);
    m_bench->click(PageId::Finish, "cmdnext");
    return WizardBench::window(u"frmRun"_s);
}

QString TestRunWindow::shown(int row, int column) const
{
    const QAbstractItemModel *model = control<QTableView>("tblResults")->model();
    return model->data(model->index(row, column)).toString();
}

QString TestRunWindow::resultsFile() const
{
    QDirIterator files(m_bench->folder.file(u"scr/runs"_s), {u"tavrolin-results.tsv"_s},
                       QDir::Files, QDirIterator::Subdirectories);
    return files.hasNext() ? files.next() : QString();
}

void TestRunWindow::showsEachResultAndRetriesTheFailed()
{
    listDrawings({u"plan.dwg"_s, u"fail.dwg"_s, u"locked.dwg"_s});
    test::writeBytes(m_bench->folder.file(u"drawings/locked.dwl"_s), "lock");
    RecordedDocuments documents;
    QVERIFY(run(2));
    waitUntilEnded();
    QCOMPARE(shown(0, RunResultsModel::Result), u"ok"_s);
    QCOMPARE(shown(1, RunResultsModel::Result), u"failed"_s);
    QVERIFY(shown(1, RunResultsModel::Reason).startsWith(u"終了コード 3"_s));
    QCOMPARE(shown(2, RunResultsModel::Result), u"skipped"_s);
    QVERIFY2(
        control<QLabel>("lblSummary")->text().contains(u"ok 1 件、failed 1 件、skipped 1 件"_s),
        qPrintable(control<QLabel>("lblSummary")->text()));
    QCOMPARE(test::readBytes(resultsFile()).count('\n'), 3);

    // The log of the chosen drawing; a skipped drawing has none.
    auto *table = control<QTableView>("tblResults");
    table->selectRow(1);
    QTest::mouseClick(control<QPushButton>("cmdLog"), Qt::LeftButton);
    QCOMPARE(documents.opened().size(), 1);
    QVERIFY(documents.opened().constFirst().endsWith(u"2-fail.log"_s));
    table->selectRow(2);
    QTest::mouseClick(control<QPushButton>("cmdLog"), Qt::LeftButton);
    QCOMPARE(documents.opened().size(), 1);
    QCOMPARE(m_bench->messages.shown().size(), 1);

    // Again, only the drawings that did not end ok.
    QVERIFY(control<QPushButton>("cmdRetry")->isEnabled());
    QTest::mouseClick(control<QPushButton>("cmdRetry"), Qt::LeftButton);
    waitUntilEnded();
    QCOMPARE(test::readBytes(resultsFile()).count('\n'), 5);
    QCOMPARE(shown(0, RunResultsModel::Result), u"ok"_s);
    QCOMPARE(shown(1, RunResultsModel::Result), u"failed"_s);
}

void TestRunWindow::stopEndsTheConsoles()
{
    const QStringList drawings = listDrawings({u"hang child.dwg"_s, u"next.dwg"_s});
    QVERIFY(run(1));
    const QString pidFile = drawings[0] + u".pid"_s;
    QTRY_VERIFY_WITH_TIMEOUT(!test::readBytes(pidFile).isEmpty(), 30000);
    QCOMPARE(shown(0, RunResultsModel::Result), u"実行中"_s);

    QTest::mouseClick(control<QPushButton>("cmdStop"), Qt::LeftButton);

    waitUntilEnded();
    QVERIFY(control<QLabel>("lblSummary")->text().startsWith(u"中止しました。"_s));
    QCOMPARE(shown(0, RunResultsModel::Result), u"中止"_s);
    QCOMPARE(shown(1, RunResultsModel::Result), u"待機中"_s);
    QTRY_VERIFY_WITH_TIMEOUT(!test::processRuns(test::readBytes(pidFile).toLongLong()), 10000);
    QVERIFY(test::readBytes(resultsFile()).isEmpty());
}

// Without a console "実行" names what is missing; "参照…" chooses one, which the next start of
// the program finds again.
void TestRunWindow::consoleChosenAndRemembered()
{
    listDrawings({u"plan.dwg"_s});
    m_bench->show(PageId::Finish);
    m_bench->click(PageId::Finish, "Check3");
    m_bench->control<QLineEdit>(PageId::Finish, "txtConsole")->clear();
    m_bench->click(PageId::Finish, "cmdnext");
    QVERIFY(m_bench->messages.texts().value(0).startsWith(u"コアコンソールが見つかりません"_s));
    QVERIFY(!WizardBench::window(u"frmRun"_s));

    ScriptedSaveDialog dialog;
    dialog.queueFileName(kConsole);
    m_bench->click(PageId::Finish, "cmdConsole");
    QCOMPARE(QDir::fromNativeSeparators(
                 m_bench->control<QLineEdit>(PageId::Finish, "txtConsole")->text()),
             kConsole);
    const ConsoleLocation nothingInstalled([](auto, auto, auto, QString &) { return false; },
                                           [](auto, auto) { return QStringList(); });
    QCOMPARE(QDir::fromNativeSeparators(ConsoleChoice::initialPath(nothingInstalled)), kConsole);
}

QTEST_MAIN(TestRunWindow)
#include "test_runfrm.moc"
