// Drops 50 000 drawings on the real drawing list page (offscreen) and times the drop, the check
// of the listed drawings in the background with its marks (here every drawing is missing, the
// most marks a list can get), a drop that replaces such a list, a drop of a folder that holds
// 50 000 drawings, the clear button and clearset. While each drop runs, a zero-interval timer
// counts the turns of the event loop and the longest time between two of them (the longest the
// window stayed frozen), and how often the clip and the progress bar had moved by then.

#include "clipplayer.h"
#include "core/programfolder.h"
#include "core/session.h"
#include "core/shell/messagebox.h"
#include "core/shell/pagewindow.h"
#include "pages/wizard/wizard.h"
#include "preflight/preflightrunner.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QUrl>
#include <ctime>
#include <memory>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

constexpr int Drawings = 50000;

struct Figures
{
    double milliseconds = 0;
    double cpuMilliseconds = 0; // less disturbed than the wall time by other work on the machine
    int turns = 0;
    double longestGapMs = 0;
    int clipFrames = 0;
    int progressMoves = 0;
};

// Watches the page at each turn of the event loop while an action runs.
class TurnWatch
{
public:
    explicit TurnWatch(QWidget *page)
        : m_clip(page->findChild<ClipPlayer *>(u"Animation1"_s)),
          m_bar(page->findChild<QProgressBar *>(u"ProgressBar1"_s))
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { turn(); });
    }

    template <typename Action>
    Figures measure(Action action)
    {
        m_figures = Figures();
        m_frame = m_clip->currentFrame();
        m_position = m_bar->value();
        m_timer.start();
        const std::clock_t cpu = std::clock();
        m_clock.start();
        m_last = 0;
        action();
        turn();
        m_figures.turns -= 1; // the closing call above is not a turn
        m_figures.milliseconds = double(m_clock.nsecsElapsed()) / 1e6;
        m_figures.cpuMilliseconds = double(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC;
        m_timer.stop();
        return m_figures;
    }

private:
    void turn()
    {
        const qint64 now = m_clock.nsecsElapsed();
        m_figures.longestGapMs = qMax(m_figures.longestGapMs, double(now - m_last) / 1e6);
        m_last = now;
        ++m_figures.turns;
        if (m_clip->currentFrame() != m_frame)
            ++m_figures.clipFrames;
        if (m_bar->isVisible() && m_bar->value() != m_position)
            ++m_figures.progressMoves;
        m_frame = m_clip->currentFrame();
        m_position = m_bar->value();
    }

    ClipPlayer *m_clip;
    QProgressBar *m_bar;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    int m_frame = 0;
    int m_position = 0;
    Figures m_figures;
};

// Drag data as a file manager gives it: one URL a path.
std::unique_ptr<QMimeData> fileList(const QStringList &paths)
{
    QList<QUrl> urls;
    urls.reserve(paths.size());
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    return data;
}

// Drops the data on the list box as a file manager does and lets the page handle the drop.
void dropOn(QListWidget *list, const QMimeData &data)
{
    QWidget *target = list->viewport();
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

QStringList drawingPaths(const QString &folder, const QString &prefix)
{
    QStringList paths;
    for (int i = 0; i < Drawings; ++i)
        paths.append(QDir(folder).filePath(u"%1%2.dwg"_s.arg(prefix).arg(i, 5, 10, QChar(u'0'))));
    return paths;
}

void print(QTextStream &out, const char *what, const Figures &figures, const Session &session)
{
    const int listed = session.DrawingCount;
    out << what << ": " << qRound(figures.milliseconds) << " ms (CPU "
        << qRound(figures.cpuMilliseconds) << " ms), " << listed << " listed, " << figures.turns
        << " event-loop turns, longest gap " << figures.longestGapMs << " ms, clip moved at "
        << figures.clipFrames << " turns, progress bar at " << figures.progressMoves << " turns\n";
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    // The built program's folder, which holds the clip.
    setProgramFolder(QDir(QCoreApplication::applicationDirPath()).filePath(u"../bin"_s));
    if (!QFile::exists(programFile(u"\\FileCopy.avi")))
        out << "note: no clip in " << programFolder() << " (build program_data first)\n";

    ScriptedMessages messages;
    Wizard wizard;
    wizard.go(nullptr, PageId::Drawings);
    PageWindow *page = wizard.loaded(PageId::Drawings);
    auto *list = page->findChild<QListWidget *>(u"List1"_s);
    Session &session = wizard.session();
    TurnWatch watch(page);
    QTemporaryDir dir;

    const auto first = fileList(drawingPaths(dir.path(), u"a"_s));
    print(out, "drop of 50 000 paths on the empty list",
          watch.measure([&] { dropOn(list, *first); }), session);
    print(out, "its check in the background and the marks of 50 000 missing drawings",
          watch.measure([&] {
              // Every path is missing: the list's last entry is the last one marked.
              while (wizard.preflight().isRunning() || list->item(Drawings - 1)->icon().isNull())
                  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
          }),
          session);

    const QStringList second = drawingPaths(dir.path(), u"b"_s);
    const auto replacing = fileList(second);
    messages.queueAnswer(AnswerYes);
    print(out, "drop of 50 000 paths replacing such a list",
          watch.measure([&] { dropOn(list, *replacing); }), session);

    messages.queueAnswer(AnswerYes);
    auto *clear = page->findChild<QPushButton *>(u"Command1"_s);
    print(out, "clear button on that list (clearset and the list box)",
          watch.measure([&] { clear->click(); }), session);

    // clearset alone: every one of the 50 001 entries holds a path, the list box is empty.
    for (int i = 0; i < Session::kDrawingSlots; ++i)
        session.DrawingPaths[size_t(i)] = second.at(i % Drawings);
    messages.queueAnswer(AnswerYes);
    print(out, "clearset alone, 50 001 entries filled", watch.measure([&] { clear->click(); }),
          session);

    const QString folder = dir.filePath(u"folder"_s);
    QDir().mkpath(folder + u"/sub"_s);
    for (int i = 0; i < Drawings; ++i) {
        QFile file(u"%1/%2/f%3.dwg"_s.arg(folder, i % 2 ? u"sub"_s : u"."_s).arg(i));
        file.open(QIODevice::WriteOnly);
    }
    const auto folderData = fileList({folder});
    print(out, "drop of a folder of 50 000 drawings (half in a sub-folder)",
          watch.measure([&] { dropOn(list, *folderData); }), session);

    if (!messages.shown().isEmpty())
        out << "messages shown: " << messages.texts().join(u" / "_s) << "\n";
    return 0;
}
