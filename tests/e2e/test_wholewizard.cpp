#include "core/session.h"
#include "core/shell/savedialog.h"
#include "platform/keystrokes/recordingkeystrokesender.h"
#include "support/wizardbench.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

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

QString cellName(int row, int column)
{
    static const QStringList rowZero{u"shugotypeCmb"_s, u"shugonamecmb"_s, u"purpusetype"_s,
                                     u"purpusename"_s, u"docmb"_s};
    return row == 0 ? rowZero[column] : u"Combo%1"_s.arg(5 * row - 4 + column);
}

} // namespace

// Walks every page of the real wizard, as a user does, from the welcome page to a saved script,
// and checks that the saved bytes are those of the headless command for the same inputs.
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
    T *control(PageId page, const QString &name) const;
    void click(PageId page, const char *button) const;
    void dropDrawings(const QStringList &paths) const;
    void composeRow(int row, const QStringList &picks) const;
    QStringList gridLines() const;
    QByteArray headlessScript(const QStringList &drawings) const;
    void walkBackAndForward() const;

    std::unique_ptr<test::WizardBench> m_bench;
    std::unique_ptr<ScriptedSaveDialog> m_saveDialog;
    RecordingKeystrokeSender *m_keystrokes = nullptr;
    QTemporaryDir m_files;
};

void TestWholeWizard::init()
{
    m_bench = std::make_unique<test::WizardBench>();
    m_bench->folder.useShippedSettings();
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

template <typename T>
T *TestWholeWizard::control(PageId page, const QString &name) const
{
    PageWindow *window = m_bench->wizard.loaded(page);
    return window ? window->findChild<T *>(name) : nullptr;
}

void TestWholeWizard::click(PageId page, const char *button) const
{
    auto *target = control<QAbstractButton>(page, QLatin1String(button));
    QVERIFY2(target, button);
    QTest::mouseClick(target, Qt::LeftButton);
}

// Drags the drawings from a file manager onto the drawing list and waits for the import.
void TestWholeWizard::dropDrawings(const QStringList &paths) const
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    QWidget *list = control<QListWidget>(PageId::Drawings, u"List1"_s)->viewport();
    const QPoint at = list->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list, &drop);
    QTRY_COMPARE(m_bench->session().DrawingCount, paths.size());
}

// Moves into each cell of the row from left to right, which fills its list from the settings
// file, and picks the wanted entry from that list.
void TestWholeWizard::composeRow(int row, const QStringList &picks) const
{
    for (int column = 0; column < 5; ++column) {
        auto *cell = control<QComboBox>(PageId::Grid, cellName(row, column));
        if (!cell->isEnabled())
            continue; // fixed by the cascade ("すべて", "終了")
        QTest::mouseClick(cell, Qt::LeftButton);
        if (picks[column].isEmpty())
            continue;
        const int entry = cell->findText(picks[column]);
        QVERIFY2(entry >= 0, qPrintable(cellName(row, column) + u": "_s + picks[column]));
        cell->setCurrentIndex(entry);
    }
}

// The grid as the headless command reads it: one line per row, cells separated by TAB.
QStringList TestWholeWizard::gridLines() const
{
    QStringList lines;
    for (int row = 0; row < kRows.size(); ++row) {
        QStringList cells;
        for (int column = 0; column < 5; ++column)
            cells.append(control<QComboBox>(PageId::Grid, cellName(row, column))->currentText());
        lines.append(cells.join(u'\t'));
    }
    return lines;
}

QByteArray TestWholeWizard::headlessScript(const QStringList &drawings) const
{
    const QString grid = m_files.filePath(u"grid.txt"_s);
    test::writeBytes(grid, (gridLines().join(u'\n') + u'\n').toUtf8());
    QProcess process;
    process.start(QStringLiteral(TAVROLIN_PROGRAM_DIR "/tavrolin"),
                  QStringList{u"script"_s, u"--settings"_s, m_bench->folder.file(u"tavrolin.ini"_s),
                              u"--comment"_s, m_bench->folder.file(u"commentdata.dat"_s),
                              u"--grid"_s, grid, u"--now"_s, u"2000-05-06 15:00:16"_s} +
                      drawings);
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
    QVERIFY(m_bench->wizard.loaded(PageId::Grid)); // loaded hidden at start
    click(PageId::Welcome, "cmdnext");
    dropDrawings(drawings);
    click(PageId::Drawings, "cmdnext");
    QVERIFY(QTest::qWaitForWindowActive(m_bench->wizard.loaded(PageId::Grid)));

    for (int row = 0; row < kRows.size(); ++row)
        composeRow(row, kRows[row]);
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
    const QByteArray expected = headlessScript(drawings);
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
