#include "core/ansicodec.h"
#include "support/testfiles.h"
#include "support/win32recorder.h"
#include "support/wizardbench.h"
#include "support/wizarddriver.h"
#include "win32desktop.h"
#include "win32filedrag.h"

#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>
#include <array>
#include <shellapi.h>

using namespace tavrolin;
using namespace tavrolin::test::win32desktop;
using namespace Qt::StringLiterals;

namespace {

// The grid rows, as the user composes them from the lists of the shipped settings file; ""
// marks a cell that the cascade fills or skips on its own. The page shows three rows at once.
const QList<QStringList> kRows = {
    {u"レイヤー"_s, u"L13"_s, u"表示しない"_s, QString(), QString()},
    {u"画面"_s, QString(), u"ズームする"_s, u"倍率を決めて"_s, u"2x"_s},
    {u"図面"_s, QString(), u"名前を付けて保存する"_s, u"日付-1～xの形式"_s, QString()},
};
const QString kApplication = u"AutoCAD 2000"_s;
constexpr int kPageCount = 6;
constexpr int kStartSeconds = 120;

// Where the controls of a page lie, by name, in the page's client coordinates.
using ControlMap = QHash<QString, QRect>;

// What the same wizard built here on the offscreen platform tells about the packaged one: where
// each control lies, the drawings it lists for the drop, what the grid holds once the rows are
// composed and how many "この段は終了です" boxes that takes.
struct WizardMap
{
    std::array<ControlMap, kPageCount> controls;
    std::array<QSize, kPageCount> pageSizes;
    QStringList drawings;
    QStringList gridLines;
    int rowEnds = 0;
};

ControlMap controlsOf(const QWidget *page)
{
    ControlMap controls;
    for (const QWidget *control : page->findChildren<QWidget *>()) {
        if (!control->objectName().isEmpty())
            controls.insert(control->objectName(),
                            QRect(control->mapTo(page, QPoint()), control->size()));
    }
    return controls;
}

// The time stamp of the comment block, as the headless command's --now takes it.
QString commentStamp(const QByteArray &script)
{
    const QString text = ansi::decode(script);
    const QString marker = u";作成日時"_s;
    const qsizetype at = text.lastIndexOf(marker);
    if (at < 0)
        return {};
    const QString stamp = text.mid(at + marker.size()).section(u'\r', 0, 0);
    const QDateTime now = QDateTime::fromString(stamp, u"yyyy/MM/dd H:mm:ss"_s);
    return now.toString(u"yyyy-MM-dd HH:mm:ss"_s);
}

// The Windows subsystem that the executable's header names (2: windowed, 3: console).
int subsystemOf(const QByteArray &image)
{
    if (image.size() < 0x40)
        return 0;
    const quint32 header = qFromLittleEndian<quint32>(image.constData() + 0x3C);
    // PE signature (4 bytes), file header (20 bytes), then Subsystem at 68 in the optional one.
    const qsizetype at = qsizetype(header) + 4 + 20 + 68;
    return at + 2 <= image.size() ? qFromLittleEndian<quint16>(image.constData() + at) : 0;
}

QString versionText(const QString &program, const QString &name)
{
    const auto path = reinterpret_cast<const wchar_t *>(program.utf16());
    QByteArray block(int(GetFileVersionInfoSizeW(path, nullptr)), '\0');
    if (block.isEmpty() || !GetFileVersionInfoW(path, 0, DWORD(block.size()), block.data()))
        return {};
    const QString key = u"\\StringFileInfo\\041104B0\\"_s + name;
    void *value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.constData(), reinterpret_cast<const wchar_t *>(key.utf16()), &value,
                        &length) ||
        length == 0)
        return {};
    return QString::fromWCharArray(static_cast<const wchar_t *>(value), int(length) - 1);
}

} // namespace

// The packaged program, tavrolin.exe unzipped from the portable package, walked through the
// whole wizard from outside as a user does: clicks on its buttons, the drawings dragged from a
// file manager window onto the list, the grid rows typed cell by cell, its message boxes
// answered, the hand-over received by a window titled "AutoCAD 2000" that records its
// keystrokes, the save dialog filled in. Where to click comes from the same wizard built here on
// the offscreen platform. The program runs with nothing but its own folder: no Qt on the path.
//
// TAVROLIN_PACKAGED_PROGRAM names tavrolin.exe; TAVROLIN_PACKAGED_OUTPUT a folder for the
// drawings and for what packagedwizard.sh compares with the Linux build: saved.scr, grid.txt,
// drawings.txt and now.txt. TAVROLIN_PACKAGED_UNWRITABLE=1 says that the program folder cannot
// be written, so the program must write its working script to the user's own folder.
class TestPackagedWizard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void windowedProgramWithVersionAndIcon();
    void wholeWizard();

private:
    QString output(const QString &name) const { return m_output + u'/' + name; }
    void mapWizard();
    void start();
    bool waitForPage(PageId page);
    QPoint centre(PageId page, const QString &control) const;
    void click(PageId page, const QString &control);
    void settle() const;
    int answerMessageBoxes();
    void composeRows();
    void runAndSave();
    void writeInputs() const;

    QString m_program;
    QString m_output;
    QStringList m_dropped;
    WizardMap m_map;
    PROCESS_INFORMATION m_process = {};
    HWND m_shown = nullptr;
};

void TestPackagedWizard::initTestCase()
{
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    m_program = QDir::fromNativeSeparators(environment.value(u"TAVROLIN_PACKAGED_PROGRAM"_s));
    m_output = QDir::fromNativeSeparators(environment.value(u"TAVROLIN_PACKAGED_OUTPUT"_s));
    if (!QFileInfo(m_program).isFile() || !QFileInfo(m_output).isDir())
        QSKIP("TAVROLIN_PACKAGED_PROGRAM and TAVROLIN_PACKAGED_OUTPUT are not set");
    // Dropped from one folder, as from a file manager: two drawings and a folder of two more.
    for (const QString &drawing : {u"site/1F.dwg"_s, u"site/屋根.dxf"_s, u"site/My Plans/2F.DWG"_s,
                                   u"site/My Plans/3F.dxf"_s})
        test::writeBytes(output(drawing), "AC1015");
    m_dropped = {output(u"site/1F.dwg"_s), output(u"site/屋根.dxf"_s), output(u"site/My Plans"_s)};
    mapWizard();
}

void TestPackagedWizard::cleanupTestCase()
{
    if (!m_process.hProcess)
        return;
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(m_process.hProcess, 1);
    CloseHandle(m_process.hProcess);
    CloseHandle(m_process.hThread);
}

// The wizard walked here with the same drop and rows, on the offscreen platform.
void TestPackagedWizard::mapWizard()
{
    test::WizardBench bench;
    bench.folder.useShippedSettings();
    const test::WizardDriver driver(bench.wizard);
    bench.wizard.start();
    bench.click(PageId::Welcome, "cmdnext");
    QVERIFY(driver.dropDrawings(m_dropped, 4));
    m_map.drawings =
        QStringList(bench.session().DrawingPaths.begin(), bench.session().DrawingPaths.begin() + 4);
    bench.click(PageId::Drawings, "cmdnext");
    QVERIFY(driver.waitUntilActive(PageId::Grid));
    for (int row = 0; row < kRows.size(); ++row) {
        QCOMPARE(driver.composeRow(row, kRows[row]), QString());
        for (int column = 0; column < 5; ++column) {
            const QComboBox *cell = driver.cell(row, column);
            QVERIFY2(cell->visibleRegion().boundingRect() == cell->rect(),
                     "a cell to click lies outside the visible rows");
        }
    }
    m_map.gridLines = driver.gridLines(int(kRows.size()));
    m_map.rowEnds = int(bench.messages.texts().count(u"この段は終了です"_s));
    bench.click(PageId::Grid, "cmdnext");
    bench.click(PageId::Comment, "cmdnext");
    bench.click(PageId::Review, "cmdnext");
    for (int page = 0; page < kPageCount; ++page) {
        const PageWindow *window = bench.wizard.loaded(PageId(page));
        QVERIFY(window);
        m_map.controls[page] = controlsOf(window);
        m_map.pageSizes[page] = window->size();
    }
    QVERIFY(test::WizardBench::closeAll());
}

// Started as Explorer starts it, but from another folder and with nothing else on the path.
void TestPackagedWizard::start()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : environment.keys()) {
        if (name.startsWith(u"QT_"_s))
            environment.remove(name);
    }
    environment.insert(u"PATH"_s, u"C:\\windows\\system32;C:\\windows"_s);
    QString block;
    for (const QString &entry : environment.toStringList())
        block += entry + QChar(u'\0');
    block += QChar(u'\0');
    QString command = u'"' + QDir::toNativeSeparators(m_program) + u'"';
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    QVERIFY(CreateProcessW(
        nullptr, reinterpret_cast<wchar_t *>(command.data()), nullptr, nullptr, FALSE,
        CREATE_UNICODE_ENVIRONMENT, block.data(),
        reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(m_output).utf16()), &startup,
        &m_process));
}

// Waits until the page is the program's one shown window, in place of the page before it.
bool TestPackagedWizard::waitForPage(PageId page)
{
    const QSize size = m_map.pageSizes[int(page)];
    HWND previous = m_shown;
    const bool shown = waitUntil(
        [&] {
            const ProcessWindows windows = windowsOf(m_process.dwProcessId);
            if (windows.pages.size() != 1 || windows.pages.first() == previous ||
                !windows.dialogs.isEmpty())
                return false;
            RECT client;
            GetClientRect(windows.pages.first(), &client);
            m_shown = windows.pages.first();
            return QSize(client.right, client.bottom) == size;
        },
        kStartSeconds * 1000);
    settle();
    return shown;
}

QPoint TestPackagedWizard::centre(PageId page, const QString &control) const
{
    const QRect area = m_map.controls[int(page)].value(control);
    if (area.isNull())
        qWarning("no control %s", qPrintable(control));
    return onScreen(m_shown, area.center());
}

void TestPackagedWizard::click(PageId page, const QString &control)
{
    test::win32desktop::click(centre(page, control));
    settle();
}

// Lets the program take the input and answer it.
void TestPackagedWizard::settle() const
{
    WaitForInputIdle(m_process.hProcess, 5000);
    Sleep(250);
}

// Presses Enter on each message box that shows, which takes its default button; returns how
// many there were.
int TestPackagedWizard::answerMessageBoxes()
{
    int answered = 0;
    for (;;) {
        const QList<HWND> dialogs = windowsOf(m_process.dwProcessId).dialogs;
        if (dialogs.isEmpty())
            return answered;
        SetForegroundWindow(dialogs.first());
        settle();
        pressKey(VK_RETURN);
        waitUntil([&] { return !IsWindowVisible(dialogs.first()); }, 10000);
        settle();
        ++answered;
    }
}

// Each cell from left to right is clicked, which fills its list; the pick is typed in.
void TestPackagedWizard::composeRows()
{
    int rowEnds = 0;
    for (int row = 0; row < kRows.size(); ++row) {
        for (int column = 0; column < 5; ++column) {
            click(PageId::Grid, test::WizardDriver::cellName(row, column));
            rowEnds += answerMessageBoxes();
            if (kRows[row][column].isEmpty())
                continue;
            pressKey('A', VK_CONTROL);
            type(kRows[row][column]);
            settle();
        }
    }
    QCOMPARE(rowEnds, m_map.rowEnds);
}

// "実行" with both boxes ticked: the hand-over into the recording window, then the save dialog.
void TestPackagedWizard::runAndSave()
{
    click(PageId::Finish, u"Check1"_s);
    pressKey('A', VK_CONTROL);
    type(kApplication);
    click(PageId::Finish, u"Check2"_s);
    click(PageId::Finish, u"cmdnext"_s);
    HWND dialog = nullptr;
    QVERIFY2(waitUntil(
                 [&] {
                     const QList<HWND> dialogs = windowsOf(m_process.dwProcessId).dialogs;
                     dialog = dialogs.isEmpty() ? nullptr : dialogs.first();
                     return dialog != nullptr;
                 },
                 60000),
             "no save dialog");
    QCOMPARE(windowClass(dialog), u"#32770"_s);
    SetForegroundWindow(dialog);
    settle();
    pressKey('A', VK_CONTROL);
    type(QDir::toNativeSeparators(output(u"saved.scr"_s)));
    pressKey(VK_RETURN);
    QVERIFY2(waitUntil([&] { return QFileInfo(output(u"saved.scr"_s)).size() > 0; }, 30000),
             "nothing saved");
}

// The inputs of the headless command that must give the same bytes.
void TestPackagedWizard::writeInputs() const
{
    test::writeBytes(output(u"grid.txt"_s), (m_map.gridLines.join(u'\n') + u'\n').toUtf8());
    test::writeBytes(output(u"drawings.txt"_s), (m_map.drawings.join(u'\n') + u'\n').toUtf8());
    const QString now = commentStamp(test::readBytes(output(u"saved.scr"_s)));
    QVERIFY2(!now.isEmpty(), "no time stamp in the saved script");
    test::writeBytes(output(u"now.txt"_s), now.toUtf8());
}

void TestPackagedWizard::windowedProgramWithVersionAndIcon()
{
    QCOMPARE(subsystemOf(test::readBytes(m_program)), IMAGE_SUBSYSTEM_WINDOWS_GUI);
    QCOMPARE(versionText(m_program, u"ProductVersion"_s), QStringLiteral(TAVROLIN_VERSION));
    QCOMPARE(versionText(m_program, u"OriginalFilename"_s), u"tavrolin.exe"_s);
    QVERIFY(ExtractIconExW(reinterpret_cast<const wchar_t *>(m_program.utf16()), -1, nullptr,
                           nullptr, 0) >= 1);
}

void TestPackagedWizard::wholeWizard()
{
    test::Win32Recorder autocad(kApplication.toStdWString());
    QVERIFY(autocad.hasWindow());
    start();
    QVERIFY2(waitForPage(PageId::Welcome), "the program did not start");
    click(PageId::Welcome, u"cmdnext"_s);
    QVERIFY(waitForPage(PageId::Drawings));
    QCOMPARE(test::Win32FileDrag::drag(m_dropped, centre(PageId::Drawings, u"List1"_s)),
             DWORD(DROPEFFECT_COPY));
    settle();
    click(PageId::Drawings, u"cmdnext"_s);
    QVERIFY2(waitForPage(PageId::Grid), "the drop listed no drawings");
    composeRows();
    for (const PageId page : {PageId::Grid, PageId::Comment, PageId::Review}) {
        click(page, u"cmdnext"_s);
        QVERIFY(waitForPage(PageId(int(page) + 1)));
    }
    runAndSave();

    const bool unwritable = qEnvironmentVariableIntValue("TAVROLIN_PACKAGED_UNWRITABLE") == 1;
    const QString working =
        (unwritable ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                          u"/Tavrolin"_s
                    : QFileInfo(m_program).absolutePath()) +
        u"/scr/tmp.scr"_s;
    const QString typed = QDir::toNativeSeparators(working);
    const QString keys =
        u"_script\n"_s + (typed.contains(u' ') ? u'"' + typed + u'"' : typed) + u'\r';
    autocad.waitFor(std::size_t(keys.size()), 10000);
    QCOMPARE(QString::fromStdWString(autocad.take()), keys);
    const QByteArray saved = test::readBytes(output(u"saved.scr"_s));
    QCOMPARE(test::readBytes(working), saved);
    writeInputs();

    click(PageId::Finish, u"cmdcan"_s);
    QCOMPARE(answerMessageBoxes(), 1);
    QCOMPARE(WaitForSingleObject(m_process.hProcess, 30000), DWORD(WAIT_OBJECT_0));
    DWORD status = 1;
    GetExitCodeProcess(m_process.hProcess, &status);
    QCOMPARE(status, DWORD(0));
}

QTEST_MAIN(TestPackagedWizard)
#include "test_packagedwizard.moc"
