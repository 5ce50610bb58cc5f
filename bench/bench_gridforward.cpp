// Times the grid page's forward step ("次へ＞") for the largest job the wizard takes, 50 000
// drawings and 12 grid rows, on the real page, and shows how often the event loop turned while
// the script was built and the longest time between two turns: the window stays painted only
// while that gap stays well under 100 ms. It also shows what one turn per drawing would cost.
// Runs on the offscreen platform unless QT_QPA_PLATFORM names another.

#include "core/ansicodec.h"
#include "core/drawingpath.h"
#include "core/programfolder.h"
#include "core/session.h"
#include "core/shell/pagewindow.h"
#include "largejob.h"
#include "pages/wizard/wizard.h"
#include "support/wizarddriver.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>
#include <vector>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

void fillGrid(const QWidget &page)
{
    for (int row = 0; row < 12; ++row) {
        for (int column = 0; column < 5; ++column)
            page.findChild<QComboBox *>(test::WizardDriver::cellName(row, column))
                ->setEditText(bench::largeJobCell(row, column));
    }
}

// Counts the turns of the event loop: a posted event that posts itself again is delivered once
// per turn.
class TurnCounter : public QObject
{
public:
    void start()
    {
        m_clock.start();
        m_turns.clear();
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }

    // The turns seen from start() on, in milliseconds since start().
    const std::vector<double> &turns() const { return m_turns; }
    double now() const { return static_cast<double>(m_clock.nsecsElapsed()) / 1e6; }

protected:
    void customEvent(QEvent *) override
    {
        m_turns.push_back(now());
        QCoreApplication::postEvent(this, new QEvent(QEvent::User));
    }

private:
    QElapsedTimer m_clock;
    std::vector<double> m_turns;
};

struct Step
{
    double total = 0;
    size_t turns = 0;
    double firstTurn = 0;      // from the press to the first turn
    double longestBetween = 0; // from one turn to the next, or from the last one to the end
};

// Presses "次へ＞" and measures until the handler returns.
Step pressNext(const QWidget &page, TurnCounter &counter)
{
    counter.start();
    page.findChild<QPushButton *>(u"cmdnext"_s)->click();
    Step step;
    step.total = counter.now();
    const std::vector<double> &turns = counter.turns();
    step.turns = turns.size();
    step.firstTurn = turns.empty() ? step.total : turns.front();
    for (size_t i = 1; i < turns.size(); ++i)
        step.longestBetween = qMax(step.longestBetween, turns[i] - turns[i - 1]);
    if (!turns.empty())
        step.longestBetween = qMax(step.longestBetween, step.total - turns.back());
    return step;
}

// What one turn of the event loop per drawing would add, with the page on the screen.
double turnsPerDrawing(int drawings)
{
    QElapsedTimer timer;
    timer.start();
    for (int d = 0; d < drawings; ++d)
        QCoreApplication::processEvents();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void print(QTextStream &out, const char *what, const Step &step)
{
    out << what << step.total << " ms, " << step.turns
        << " turns of the event loop, the first after " << step.firstTurn << " ms, then at most "
        << step.longestBetween << " ms apart\n";
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    if (!bench::writeAnsiFile(folder.filePath(u"tavrolin.ini"_s), bench::largeJobSettings()) ||
        !bench::writeAnsiFile(folder.filePath(u"commentdata.dat"_s), u";"_s))
        return 1;
    setProgramFolder(folder.path());

    Wizard wizard;
    Session &session = wizard.session();
    bench::fillLargeDrawingList(session);
    wizard.go(nullptr, PageId::Grid);
    QWidget *grid = wizard.loaded(PageId::Grid);
    fillGrid(*grid);
    QCoreApplication::processEvents();

    TurnCounter counter;
    const Step generated = pressNext(*grid, counter);
    const QWidget *comment = wizard.loaded(PageId::Comment);
    const bool wentOn = comment && comment->isVisible() && !grid->isVisible();
    const qsizetype scriptLength = session.ScriptText.size();

    wizard.go(wizard.loaded(PageId::Comment), PageId::Grid);
    const Step unchanged = pressNext(*grid, counter);

    wizard.go(wizard.loaded(PageId::Comment), PageId::Grid);
    const double perDrawing = turnsPerDrawing(session.DrawingCount);

    QTextStream out(stdout);
    out << "platform:                 " << QGuiApplication::platformName() << "\n"
        << "drawings x rows:          " << session.DrawingCount << " x 12, script " << scriptLength
        << " characters\n";
    print(out, "forward, grid changed:    ", generated);
    print(out, "forward, grid unchanged:  ", unchanged);
    out << "one turn per drawing:     " << perDrawing << " ms for " << session.DrawingCount
        << " turns\n"
        << "comment page shown:       " << (wentOn ? "yes" : "NO") << "\n";
    return wentOn ? 0 : 1;
}
