#include "aviwriter.h"
#include "clipplayer.h"
#include "testclips.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

using namespace tavrolin;

namespace {

// Three frames of 4 × 2 pixels, each a different picture.
const QStringList ThreeFrames = {QStringLiteral("0123|4567"), QStringLiteral("89ab|cdef"),
                                 QStringLiteral("5555|aaaa")};

// Lets pending events run, as a long loop does between its items, until the condition holds or
// the time is up.
template <typename Condition>
void runEventsUntil(Condition condition, int milliseconds = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < milliseconds) {
        QCoreApplication::processEvents();
        QThread::usleep(200);
    }
}

bool reachesFrame(const ClipPlayer &player, int frame)
{
    runEventsUntil([&] { return player.currentFrame() == frame; });
    return player.currentFrame() == frame;
}

} // namespace

class TestClipPlayer : public QObject
{
    Q_OBJECT

private slots:
    void openingPlaysInALoop();
    void autoPlayOffWaitsForPlay();
    void stopHoldsTheFrame();
    void closeLeavesAnEmptyArea();
    void failedOpenLeavesNoClip();
    void singleFrameIsShownNotPlayed();
    void zeroDelayIsHeldToTheMinimum();
    void paintsTheCurrentFrame_data();
    void paintsTheCurrentFrame();

private:
    QString writeClip(const QStringList &frames, quint32 microsecondsPerFrame);

    QTemporaryDir m_dir;
    int m_clips = 0;
};

QString TestClipPlayer::writeClip(const QStringList &frames, quint32 microsecondsPerFrame)
{
    QList<QImage> images;
    for (const QString &rows : frames)
        images.append(TestClips::fromRows(rows));
    const QString path = m_dir.filePath(QStringLiteral("clip%1.avi").arg(++m_clips));
    const AviWriter writer(images, AviWriter::Encoding::Rle8, microsecondsPerFrame);
    QString error;
    if (!writer.write(path, &error))
        qFatal("cannot write %s: %s", qPrintable(path), qPrintable(error));
    return path;
}

// The import of a large drop runs as one long loop that only lets pending events run between
// its items; the clip must go on advancing there, frame after frame, and wrap around.
void TestClipPlayer::openingPlaysInALoop()
{
    ClipPlayer player;
    QString error;
    QVERIFY2(player.open(writeClip(ThreeFrames, 10000), &error), qPrintable(error));
    QVERIFY(player.isPlaying());
    QCOMPARE(player.frameCount(), 3);

    QList<int> shown = {player.currentFrame()};
    runEventsUntil([&] {
        if (player.currentFrame() != shown.last())
            shown.append(player.currentFrame());
        return shown.size() >= 7;
    });

    QCOMPARE(shown, (QList<int>{0, 1, 2, 0, 1, 2, 0}));
}

void TestClipPlayer::autoPlayOffWaitsForPlay()
{
    ClipPlayer player;
    player.setAutoPlay(false);
    QVERIFY(player.open(writeClip(ThreeFrames, 10000), nullptr));
    QVERIFY(!player.isPlaying());
    QTest::qWait(50);
    QCOMPARE(player.currentFrame(), 0);

    player.play();
    QVERIFY(player.isPlaying());
    QVERIFY(reachesFrame(player, 2));
}

void TestClipPlayer::stopHoldsTheFrame()
{
    ClipPlayer player;
    QVERIFY(player.open(writeClip(ThreeFrames, 10000), nullptr));
    QVERIFY(reachesFrame(player, 1));

    player.stop();
    QVERIFY(!player.isPlaying());
    QTest::qWait(60);
    QCOMPARE(player.currentFrame(), 1);

    player.play();
    QVERIFY(player.isPlaying());
    QCOMPARE(player.currentFrame(), 0);
}

void TestClipPlayer::closeLeavesAnEmptyArea()
{
    ClipPlayer player;
    player.resize(10, 5);
    QVERIFY(player.open(writeClip(ThreeFrames, 10000), nullptr));

    player.close();

    QVERIFY(!player.isPlaying());
    QCOMPARE(player.frameCount(), 0);
    const QImage shown = player.grab().toImage();
    const QRgb background = player.palette().color(QPalette::Window).rgb();
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x)
            QCOMPARE(shown.pixel(x, y), background);
    }
}

void TestClipPlayer::failedOpenLeavesNoClip()
{
    ClipPlayer player;
    QVERIFY(player.open(writeClip(ThreeFrames, 10000), nullptr));
    QFile damaged(m_dir.filePath(QStringLiteral("damaged.avi")));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("RIFF\x10\0\0\0AVI ", 12);
    damaged.close();

    QString error;
    QVERIFY(!player.open(damaged.fileName(), &error));

    QVERIFY2(error.startsWith(QStringLiteral("damaged.avi: ")), qPrintable(error));
    QVERIFY(!player.isPlaying());
    QCOMPARE(player.frameCount(), 0);
}

void TestClipPlayer::singleFrameIsShownNotPlayed()
{
    ClipPlayer player;
    QVERIFY(player.open(writeClip({ThreeFrames.first()}, 10000), nullptr));

    QCOMPARE(player.frameCount(), 1);
    QVERIFY(!player.isPlaying());
}

// A clip that claims no time per frame must not spin: frames still last at least 10 ms.
void TestClipPlayer::zeroDelayIsHeldToTheMinimum()
{
    ClipPlayer player;
    QVERIFY(player.open(writeClip(ThreeFrames, 0), nullptr));
    int advances = 0;
    int last = player.currentFrame();
    QElapsedTimer clock;
    clock.start();
    runEventsUntil(
        [&] {
            if (player.currentFrame() != last) {
                last = player.currentFrame();
                ++advances;
            }
            return false;
        },
        200);

    QVERIFY(advances > 0);
    QVERIFY2(advances <= clock.elapsed() / ClipPlayer::MinimumFrameDelayMs + 2,
             qPrintable(QString::number(advances)));
}

void TestClipPlayer::paintsTheCurrentFrame_data()
{
    QTest::addColumn<int>("frame");
    QTest::newRow("first frame") << 0;
    QTest::newRow("second frame") << 1;
    QTest::newRow("last frame") << 2;
}

// The frame is drawn at its natural size at the top-left corner; the rest of the widget shows
// its background.
void TestClipPlayer::paintsTheCurrentFrame()
{
    QFETCH(int, frame);
    ClipPlayer player;
    player.resize(10, 5);
    QVERIFY(player.open(writeClip(ThreeFrames, 10000), nullptr));
    QVERIFY(reachesFrame(player, frame));
    player.stop();

    const QImage shown = player.grab().toImage();

    const QImage expected = TestClips::fromRows(ThreeFrames[frame]);
    const QRgb background = player.palette().color(QPalette::Window).rgb();
    QCOMPARE(shown.size(), QSize(10, 5));
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const bool inFrame = expected.rect().contains(x, y);
            QCOMPARE(shown.pixel(x, y), inFrame ? expected.pixel(x, y) : background);
        }
    }
}

QTEST_MAIN(TestClipPlayer)
#include "test_clipplayer.moc"
