#include "core/session.h"
#include "core/shell/savedialog.h"
#include "platform/keystrokes/recordingkeystrokesender.h"
#include "support/userinput.h"
#include "support/wizardbench.h"
#include "support/wizarddriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// The rows composed on the grid, as the user picks them from the lists that the shipped settings
// file offers; "" marks a cell that the cascade fills or skips on its own.
const QList<QStringList> kRows = {
    {u"レイヤー"_s, u"L13"_s, u"表示しない"_s, QString(), QString()},
    {u"レイヤー"_s, u"壁"_s, u"色番号で変える"_s, u"1"_s, QString()},
    {u"画面"_s, QString(), u"ズームする"_s, u"倍率を決めて"_s, u"2x"_s},
    {u"図面"_s, QString(), u"名前を付けて保存する"_s, u"日付-1～xの形式"_s, QString()},
};

} // namespace

// Walks every page of the real wizard, as a user does, from the welcome page to a saved script,
// and checks that the saved bytes are those of the headless command given the drawing list and
// the grid that the wizard kept in files.
class TestWholeWizard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fromWelcomeToSavedScript();
    void closingAnyPageEndsTheProgram();

private:
    template <typename T = QWidget>
    T *control(PageId page, const QString &name) const
    {
        return m_driver->control<T>(page, name);
    }
    void click(PageId page, const char *button) const
    {
        QVERIFY2(m_driver->click(page, button), button);
    }
    QStringList gridLines() const { return m_driver->gridLines(kRows.size()); }
    void saveWithCtrlS(PageId page, const QString &file) const;
    QByteArray headlessScript() const;
    void walkBackAndForward() const;

    std::unique_ptr<test::WizardBench> m_bench;
    std::unique_ptr<test::WizardDriver> m_driver;
    std::unique_ptr<ScriptedSaveDialog> m_saveDialog;
    RecordingKeystrokeSender *m_keystrokes = nullptr;
    QTemporaryDir m_files;
};

void TestWholeWizard::init()
{
    m_bench = std::make_unique<test::WizardBench>();
    m_bench->folder.useShippedSettings();
    m_driver = std::make_unique<test::WizardDriver>(m_bench->wizard);
    m_saveDialog = std::make_unique<ScriptedSaveDialog>();
    auto keystrokes = std::make_unique<RecordingKeystrokeSender>();
    m_keystrokes = keystrokes.get();
    setKeystrokeSender(std::move(keystrokes));
}

void TestWholeWizard::cleanup()
{
    QVERIFY(test::WizardBench::closeAll());
    setKeystrokeSender(nullptr);
    m_saveDialog.reset();
    m_bench.reset();
}

// Keeps what the page holds (the drawing list, the grid) in a file, as the user does with Ctrl+S.
void TestWholeWizard::saveWithCtrlS(PageId page, const QString &file) const
{
    test::pressForFile(*m_saveDialog, m_bench->wizard.loaded(page), Qt::Key_S, file);
    QVERIFY(QFile::exists(file));
}

// The headless command on the drawing list and the grid that the wizard kept in files.
QByteArray TestWholeWizard::headlessScript() const
{
    QProcess process;
    process.start(QStringLiteral(TAVROLIN_PROGRAM_DIR "/tavrolin"),
                  QStringList{u"script"_s, u"--settings"_s, m_bench->folder.file(u"tavrolin.ini"_s),
                              u"--comment"_s, m_bench->folder.file(u"commentdata.dat"_s),
                              u"--grid"_s, m_files.filePath(u"grid.txt"_s), u"--drawings"_s,
                              m_files.filePath(u"drawings.txt"_s), u"--now"_s,
                              u"2000-05-06 15:00:16"_s});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return process.readAllStandardError();
    return process.readAllStandardOutput();
}

// Back from the finish page to the welcome page and forward again: every page keeps its data.
void TestWholeWizard::walkBackAndForward() const
{
    auto *comment = control<QPlainTextEdit>(PageId::Comment, u"RichTextBox1"_s);
    const QString commentText = comment->toPlainText();
    const QStringList grid = gridLines();
    const PageId order[] = {PageId::Finish, PageId::Review,   PageId::Comment,
                            PageId::Grid,   PageId::Drawings, PageId::Welcome};
    for (int i = 0; i + 1 < 6; ++i) {
        click(order[i], "Cmdbefore");
        QVERIFY(m_bench->isShown(order[i + 1]));
    }
    for (int i = 5; i > 1; --i) {
        click(order[i], "cmdnext");
        QVERIFY(m_bench->isShown(order[i - 1]));
    }
    QCOMPARE(control<QListWidget>(PageId::Drawings, u"List1"_s)->count(), 3);
    QCOMPARE(gridLines(), grid);
    QCOMPARE(comment->toPlainText(), commentText);
    click(PageId::Comment, "cmdnext");
    click(PageId::Review, "cmdnext");
    QVERIFY(m_bench->isShown(PageId::Finish));
}

void TestWholeWizard::fromWelcomeToSavedScript()
{
    const QStringList drawings{m_files.filePath(u"site/1F.dwg"_s),
                               m_files.filePath(u"site/My Plans/2F.DWG"_s),
                               m_files.filePath(u"site/屋根.dxf"_s)};
    for (const QString &path : drawings)
        test::writeBytes(path, "AC1015");

    m_bench->wizard.start();
    QVERIFY(m_bench->isShown(PageId::Welcome));
    QTRY_VERIFY(m_bench->wizard.loaded(PageId::Grid)); // loaded hidden once the start is painted
    click(PageId::Welcome, "cmdnext");
    QVERIFY(m_driver->dropDrawings(drawings));
    saveWithCtrlS(PageId::Drawings, m_files.filePath(u"drawings.txt"_s));
    click(PageId::Drawings, "cmdnext");
    QVERIFY(m_driver->waitUntilActive(PageId::Grid));

    for (int row = 0; row < kRows.size(); ++row)
        QCOMPARE(m_driver->composeRow(row, kRows[row]), QString());
    saveWithCtrlS(PageId::Grid, m_files.filePath(u"grid.txt"_s));
    // Rows 0, 1 and 3 end on their own; row 2 ends with its action picked.
    QCOMPARE(m_bench->messages.texts().count(u"この段は終了です"_s), 3);
    click(PageId::Grid, "cmdnext");
    QVERIFY(m_bench->isShown(PageId::Comment));
    click(PageId::Comment, "cmdnext");
    QVERIFY(m_bench->isShown(PageId::Review));
    click(PageId::Review, "cmdnext");
    QVERIFY(m_bench->isShown(PageId::Finish));

    walkBackAndForward();

    const QString saved = m_files.filePath(u"saved.scr"_s);
    m_saveDialog->queueFileName(saved);
    control<QCheckBox>(PageId::Finish, u"Check1"_s)->click();
    control<QComboBox>(PageId::Finish, u"Combo1"_s)->setEditText(u"AutoCAD 2000"_s);
    control<QCheckBox>(PageId::Finish, u"Check2"_s)->click();
    click(PageId::Finish, "cmdnext");

    QCOMPARE(m_keystrokes->requests().size(), 1);
    QCOMPARE(m_keystrokes->requests().first().windowTitle, u"AutoCAD 2000"_s);
    QVERIFY(m_keystrokes->requests().first().text.startsWith(u"_script\n"_s));
    const QByteArray expected = headlessScript();
    QVERIFY2(expected.startsWith(".filedia 0\r\n"), expected.constData());
    QCOMPARE(test::readBytes(saved), expected);
    QCOMPARE(test::readBytes(m_bench->folder.file(u"scr/tmp.scr"_s)), expected);
    QVERIFY(expected.contains("-layer of L13 \r\n"));
    QVERIFY(expected.contains(".zoom s 2x\r\n"));
    QVERIFY(expected.contains(
        "\"" + QDir::toNativeSeparators(m_files.filePath(u"site/My Plans/"_s)).toUtf8()));

    m_bench->messages.queueAnswer(AnswerYes);
    click(PageId::Finish, "cmdcan");
    QVERIFY(windowCollection().isEmpty());
}

void TestWholeWizard::closingAnyPageEndsTheProgram()
{
    m_bench->wizard.start();
    m_bench->wizard.showHelp();
    click(PageId::Welcome, "cmdnext");
    m_bench->wizard.loaded(PageId::Drawings)->close(); // the close box of its frame
    QVERIFY(windowCollection().isEmpty());
    QVERIFY(m_bench->messages.shown().isEmpty());
}

QTEST_MAIN(TestWholeWizard)
#include "test_wholewizard.moc"
