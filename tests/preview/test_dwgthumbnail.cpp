#include "drawingbuilder.h"
#include "platform/preview/dwgthumbnail.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;

namespace {

constexpr quint8 PngCode = 6;
const QColor Background(255, 0, 255);
const QColor Preview(255, 0, 0);

// A drawing whose preview is one solid colour, written into `dir`.
QString writeSolidDrawing(const QTemporaryDir &dir, const QSize &size,
                          const QColor &colour = Preview)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.filePath(colour.name().mid(1) + QStringLiteral(".dwg"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(DrawingBuilder::dwg({{PngCode, DrawingBuilder::png(image)}}));
    return path;
}

QImage paintedAt(DwgThumbnail &thumbnail, const QSize &size)
{
    QPalette palette = thumbnail.palette();
    palette.setColor(QPalette::Window, Background);
    thumbnail.setPalette(palette);
    thumbnail.resize(size);
    return thumbnail.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool isBlank(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != Background)
                return false;
    return true;
}

} // namespace

class TestDwgThumbnail : public QObject
{
    Q_OBJECT

private slots:
    void fitsAndCentres_data();
    void fitsAndCentres();
    void blankWithoutPreview_data();
    void blankWithoutPreview();
    void nextDrawingRepaints();
    void realDrawing();
};

void TestDwgThumbnail::fitsAndCentres_data()
{
    QTest::addColumn<QSize>("preview");
    QTest::addColumn<QSize>("widget");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("wide in a square")
        << QSize(200, 100) << QSize(100, 100) << QRect(0, 25, 100, 50);
    QTest::newRow("tall in a square") << QSize(50, 100) << QSize(100, 100) << QRect(25, 0, 50, 100);
    QTest::newRow("small is enlarged") << QSize(10, 5) << QSize(100, 100) << QRect(0, 25, 100, 50);
    QTest::newRow("same shape") << QSize(300, 150) << QSize(60, 30) << QRect(0, 0, 60, 30);
    QTest::newRow("thumbnail of the drawing list")
        << QSize(256, 102) << QSize(41, 25) << QRect(0, 4, 41, 16);
}

// The preview fills the fitted rectangle and nothing outside it (one pixel of slack at the
// edges for smoothing).
void TestDwgThumbnail::fitsAndCentres()
{
    QFETCH(QSize, preview);
    QFETCH(QSize, widget);
    QFETCH(QRect, expected);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    DwgThumbnail thumbnail;
    thumbnail.setDrawingPath(writeSolidDrawing(dir, preview));
    QVERIFY(thumbnail.hasPreview());
    const QImage painted = paintedAt(thumbnail, widget);
    QCOMPARE(painted.size(), widget);

    const QRect inner = expected.adjusted(1, 1, -1, -1);
    const QRect outer = expected.adjusted(-1, -1, 1, 1);
    for (int y = 0; y < widget.height(); ++y) {
        for (int x = 0; x < widget.width(); ++x) {
            const QColor colour = painted.pixelColor(x, y);
            if (inner.contains(x, y) && colour != Preview)
                QFAIL(qPrintable(QStringLiteral("no preview at %1,%2").arg(x).arg(y)));
            if (!outer.contains(x, y) && colour != Background)
                QFAIL(qPrintable(QStringLiteral("preview outside at %1,%2").arg(x).arg(y)));
        }
    }
}

void TestDwgThumbnail::blankWithoutPreview_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");

    QTest::newRow("empty path (list cleared)") << "" << QByteArray();
    QTest::newRow("drawing without preview")
        << "none.dwg" << DrawingBuilder::dwg({{1, QByteArray(80, '\0')}});
    QTest::newRow("damaged drawing") << "damaged.dwg" << DrawingBuilder::dwg({{PngCode, "png?"}});
    QTest::newRow("text file") << "readme.txt" << QByteArray("dwg\n");
    QTest::newRow("missing file") << "missing.dwg" << QByteArray();
    QTest::newRow("folder") << "folder.dwg" << QByteArray();
}

// Whatever replaces a shown preview, the widget turns blank.
void TestDwgThumbnail::blankWithoutPreview()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.dwg")));
    const QString path = name.isEmpty() ? QString() : dir.filePath(name);
    if (!contents.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    DwgThumbnail thumbnail;
    thumbnail.setDrawingPath(writeSolidDrawing(dir, QSize(20, 10)));
    QVERIFY(!isBlank(paintedAt(thumbnail, QSize(40, 30))));

    thumbnail.setDrawingPath(path);
    QCOMPARE(thumbnail.drawingPath(), path);
    QVERIFY(!thumbnail.hasPreview());
    QVERIFY(isBlank(paintedAt(thumbnail, QSize(40, 30))));
}

// A second drawing of the same shape must not show the first one's resampled picture.
void TestDwgThumbnail::nextDrawingRepaints()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    DwgThumbnail thumbnail;
    thumbnail.setDrawingPath(writeSolidDrawing(dir, QSize(20, 10)));
    QCOMPARE(paintedAt(thumbnail, QSize(40, 20)).pixelColor(20, 10), Preview);
    thumbnail.setDrawingPath(writeSolidDrawing(dir, QSize(20, 10), Qt::green));
    QCOMPARE(paintedAt(thumbnail, QSize(40, 20)).pixelColor(20, 10), QColor(Qt::green));
}

void TestDwgThumbnail::realDrawing()
{
    const QString path = QDir(QStringLiteral(TAVROLIN_DRAWINGS_DIR))
                             .filePath(QStringLiteral("libredwg-r2018-sample.dwg"));
    if (!QFile::exists(path))
        QSKIP(qPrintable(QStringLiteral("sample drawing not found: %1").arg(path)));
    DwgThumbnail thumbnail;
    thumbnail.setDrawingPath(path);
    QVERIFY(thumbnail.hasPreview());
    QCOMPARE(thumbnail.previewImage().size(), QSize(597, 448));
    QVERIFY(!isBlank(paintedAt(thumbnail, QSize(41, 25))));
}

QTEST_MAIN(TestDwgThumbnail)
#include "test_dwgthumbnail.moc"
