// Takes a screenshot of every window of the wizard, filled as a user would fill it, for the
// README. It needs a real X server (or the platform's own display): run it as
//   xvfb-run -s "-screen 0 1280x800x24" build/tests/makescreenshots docs/screenshots
// It is not a test.

#include "core/shell/layout.h"
#include "core/shell/messagebox.h"
#include "core/shell/shellservices.h"
#include "pages/run/runfrm.h"
#include "support/drawingfiles.h"
#include "support/wizardbench.h"
#include "support/wizarddriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// Lets the window finish painting (and its reveals run), then saves what the screen shows.
bool shoot(QWidget *window, const QString &file, int settleMs = 300)
{
    QTest::qWait(settleMs);
    const QPixmap shot =
        window->screen()->grabWindow(window->winId(), 0, 0, window->width(), window->height());
    return shot.save(file);
}

// Saves the part of the screen that holds the window and the popup beside it.
bool shootWithPopup(QWidget *window, QWidget *popup, const QString &file)
{
    if (!QTest::qWaitFor([popup] { return popup->isVisible(); }))
        return false;
    QTest::qWait(300);
    const QRect area = window->frameGeometry().united(popup->frameGeometry());
    return window->screen()
        ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
        .save(file);
}

PageWindow *sideWindow(const QString &name)
{
    for (PageWindow *window : windowCollection()) {
        if (window->objectName() == name)
            return window;
    }
    return nullptr;
}

QStringList sampleDrawings(const QString &folder)
{
    QStringList drawings;
    QDir().mkpath(folder);
    for (const char *name : {"libredwg-r2013-Line.dwg", "libredwg-r2000-entities-2d.dwg",
                             "ezdxf-r2007-columns-thumb.dxf", "libredwg-r14-example.dwg"}) {
        const QString path = QStringLiteral(TAVROLIN_DRAWINGS_DIR "/") + QLatin1String(name);
        const QString copy = folder + u'/' + QLatin1String(name);
        if (QFile::exists(path))
            QFile::copy(path, copy);
        else
            test::writeBytes(copy, "AC1015");
        drawings.append(copy);
    }
    return drawings;
}

// The run window at the end of a run with the stand-in console over drawings that end in each
// way: saved, not saved, crashed, and one skipped for its lock file.
bool shootRun(const QString &folder, const QString &file)
{
    const QDir drawings(folder);
    RunSetup setup;
    setup.command = {QStringLiteral(TAVROLIN_STANDIN_CONSOLE), QString(), 300000};
    setup.jobs = 2;
    setup.resultsPath = drawings.filePath(u"tavrolin-results.tsv"_s);
    setup.logsFolder = RunSetup::logsFolderBeside(setup.resultsPath);
    setup.drawings = test::makeDrawings(
        drawings, {u"1F平面図.dwg"_s, u"2F平面図.dwg"_s, u"3F平面図 nosave.dwg"_s,
                   u"屋根伏図.dwg"_s, u"配置図.dwg"_s, u"立面図 slow.dwg"_s, u"断面図 crash.dwg"_s,
                   u"詳細図.dwg"_s, u"外構図 slow.dwg"_s});
    test::writeBytes(drawings.filePath(u"配置図.dwl"_s), "lock");
    for (qsizetype i = 0; i < setup.drawings.size(); ++i)
        setup.scripts.append(u"-layer c 1 L13 \r\n.zoom e\r\n.qsave "_s);
    setup.saves = ScriptSaves{true, false, {}};
    auto *window = new runfrm;
    window->show();
    QString error;
    if (!window->start(setup, &error))
        return false;
    auto *summary = window->findChild<QLabel *>(u"lblSummary"_s);
    return QTest::qWaitFor([summary] { return summary->isVisible(); }, 60000) &&
           shoot(window, file);
}

int takeScreenshots(const QString &output)
{
    QDir().mkpath(output);
    test::WizardBench bench;
    bench.folder.useShippedSettings();
    test::WizardDriver driver(bench.wizard);
    const auto out = [&output](const char *name) { return output + u'/' + QLatin1String(name); };
    bool ok = true;

    bench.wizard.start();
    ok &= shoot(bench.wizard.loaded(PageId::Welcome), out("welcome.png"), 12000);
    bench.wizard.showAbout();
    ok &= shoot(sideWindow(u"frmAbout"_s), out("about.png"));
    sideWindow(u"frmAbout"_s)->close();
    bench.wizard.showHelp();
    ok &= shoot(sideWindow(u"frmBrowser"_s), out("help.png"), 1000);
    sideWindow(u"frmBrowser"_s)->close();

    driver.click(PageId::Welcome, "cmdnext");
    ok &= driver.dropDrawings(sampleDrawings(bench.folder.file(u"drawings"_s)));
    auto *list = driver.control<QListWidget>(PageId::Drawings, u"List1"_s);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    ok &= shoot(bench.wizard.loaded(PageId::Drawings), out("drawings.png"));
    const QRect example = list->visualItemRect(list->item(3));
    QTest::mouseMove(list->viewport(), QPoint(example.left() + 40, example.center().y()));
    ok &=
        shootWithPopup(bench.wizard.loaded(PageId::Drawings),
                       list->findChild<QWidget *>(u"PreviewPopup"_s), out("drawings-preview.png"));
    QTest::mouseMove(bench.wizard.loaded(PageId::Drawings), QPoint(1, 1));

    driver.click(PageId::Drawings, "cmdnext");
    driver.waitUntilActive(PageId::Grid);
    driver.composeRow(0, {u"レイヤー"_s, u"L13"_s, u"色を変える"_s, u"赤"_s, QString()});
    driver.composeRow(1,
                      {u"画面"_s, QString(), u"ズームする"_s, u"オブジェクト範囲で"_s, QString()});
    driver.composeRow(2, {u"図面"_s, QString(), u"DXF(R12)で保存する"_s, QString(), QString()});
    ok &= shoot(bench.wizard.loaded(PageId::Grid), out("grid.png"));
    driver.control<QTabWidget>(PageId::Grid, u"TabStrip1"_s)->setCurrentIndex(1);
    ok &= shoot(bench.wizard.loaded(PageId::Grid), out("grid-instructions.png"));
    driver.control<QTabWidget>(PageId::Grid, u"TabStrip1"_s)->setCurrentIndex(0);

    driver.click(PageId::Grid, "cmdnext");
    ok &= shoot(bench.wizard.loaded(PageId::Comment), out("comment.png"));
    driver.click(PageId::Comment, "cmdnext");
    ok &= shoot(bench.wizard.loaded(PageId::Review), out("review.png"), 1000);
    driver.click(PageId::Review, "cmdnext");
    driver.control<QCheckBox>(PageId::Finish, u"Check3"_s)->click();
    driver.control<QLineEdit>(PageId::Finish, u"txtConsole"_s)
        ->setText(u"C:\\Program Files\\Autodesk\\AutoCAD 2024\\accoreconsole.exe"_s);
    // The title is revealed by a timer, which stops once the whole title shows.
    auto *reveal = driver.control<QTimer>(PageId::Finish, u"Timer1"_s);
    ok &= QTest::qWaitFor([reveal] { return !reveal->isActive(); }, 10000);
    ok &= shoot(bench.wizard.loaded(PageId::Finish), out("finish.png"));
    ok &= shootRun(bench.folder.file(u"run"_s), out("run.png"));
    test::WizardBench::closeAll();
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(japaneseFont(9));
    if (argc != 2) {
        QTextStream(stderr) << "usage: makescreenshots OUTPUT_FOLDER\n";
        return 2;
    }
    return takeScreenshots(QString::fromLocal8Bit(argv[1]));
}
