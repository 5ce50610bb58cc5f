#include "drawingbuilder.h"
#include "platform/preview/drawingpreviewreader.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <climits>
#include <cstring>
#include <optional>

using namespace tavrolin;

namespace {

using Builder = DrawingBuilder;

constexpr quint8 HeaderCode = 1;
constexpr quint8 BitmapCode = 2;
constexpr quint8 MetafileCode = 3;
constexpr quint8 PngCode = 6;

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// Every outcome must be one of the two: an image within the limits, or none with a reason.
bool isWellFormed(const PreviewResult &result)
{
    if (!result.hasImage())
        return !result.error.isEmpty();
    return result.error.isEmpty() && result.image.width() <= MaxPreviewSide &&
           result.image.height() <= MaxPreviewSide;
}

QByteArray withU32(QByteArray bytes, int offset, quint32 value)
{
    Builder::putU32(&bytes, offset, value);
    return bytes;
}

QByteArray replaced(QByteArray bytes, const QByteArray &before, const QByteArray &after)
{
    return bytes.replace(before, after);
}

QString drawingsDir()
{
    return QStringLiteral(TAVROLIN_DRAWINGS_DIR);
}

// What the sample folder's SOURCES.md says about each drawing: its preview size, or an invalid
// size when its table lists it without a (usable) preview. Nothing when the folder is absent.
std::optional<QMap<QString, QSize>> sampleExpectations()
{
    QFile sources(QDir(drawingsDir()).filePath(QStringLiteral("SOURCES.md")));
    if (!sources.open(QIODevice::ReadOnly))
        return std::nullopt;
    static const QRegularExpression pixelSize(QStringLiteral("(\\d+)×(\\d+)"));
    QMap<QString, QSize> expected;
    bool previewSection = false;
    for (const QString &line : QString::fromUtf8(sources.readAll()).split(u'\n')) {
        if (line.startsWith(u"## "))
            previewSection = line.contains(u" with ");
        const QStringList cells = line.split(u'|');
        const QString file = cells.value(1).trimmed();
        if (cells.size() < 6 || !(file.endsWith(u".dwg") || file.endsWith(u".dxf")))
            continue;
        const QRegularExpressionMatch match = pixelSize.match(cells[5]);
        expected.insert(file, previewSection && match.hasMatch()
                                  ? QSize(match.captured(1).toInt(), match.captured(2).toInt())
                                  : QSize());
    }
    return expected;
}

} // namespace

class TestPreviewReader : public QObject
{
    Q_OBJECT

private slots:
    void preview_data();
    void preview();
    void coloursPastTheTableAreBlack();
    void noPreview_data();
    void noPreview();
    void mutations_data();
    void mutations();
    void samples_data();
    void samples();
    void samplesAreAllListed();
    void unreadableFiles_data();
    void unreadableFiles();
    void readingStopsWhenAsked();
};

void TestPreviewReader::preview_data()
{
    QTest::addColumn<QByteArray>("drawing");
    QTest::addColumn<QImage>("expected");

    const QImage wide = Builder::quadrantImage(12, 6);
    const QImage tall = Builder::quadrantImage(6, 10);
    const QImage large = Builder::quadrantImage(200, 120);
    const QByteArray pngWide = Builder::png(wide);
    const QByteArray dibWide = Builder::dib(wide);
    const QByteArray dibTall = Builder::dib(tall);
    const QByteArray dibIndexed = Builder::dib(wide.convertToFormat(QImage::Format_Indexed8));
    Builder::DxfStyle lf;
    lf.lineEnd = "\n";
    Builder::DxfStyle loose;
    loose.lowerCaseHex = true;
    loose.paddedCodes = false;
    loose.digitsPerLine = 10;
    Builder::DxfStyle noCount;
    noCount.byteCount = false;

    QTest::newRow("DWG PNG") << Builder::dwg({{HeaderCode, QByteArray(80, 0)}, {PngCode, pngWide}})
                             << wide;
    QTest::newRow("DWG 24 bpp, R13") << Builder::dwg({{BitmapCode, dibWide}}, "AC1012") << wide;
    QTest::newRow("DWG 8 bpp, 2000") << Builder::dwg({{BitmapCode, dibIndexed}}, "AC1015") << wide;
    QTest::newRow("DWG PNG before a larger bitmap")
        << Builder::dwg({{BitmapCode, Builder::dib(large)}, {PngCode, pngWide}}) << wide;
    QTest::newRow("DWG largest bitmap")
        << Builder::dwg({{BitmapCode, dibTall}, {BitmapCode, dibWide}}, "AC1021") << wide;
    QTest::newRow("DWG metafile ignored")
        << Builder::dwg({{MetafileCode, QByteArray(500, 'w')}, {BitmapCode, dibTall}}) << tall;
    QTest::newRow("DWG top-down bitmap")
        << Builder::dwg({{BitmapCode, withU32(dibWide, 8, quint32(-6))}}) << wide.mirrored();
    QTest::newRow("DWG 2000, bytes at 0x18 are no security flags")
        << withU32(Builder::dwg({{PngCode, pngWide}}, "AC1015"), Builder::SecurityFlagsOffset,
                   0xFFFFFFFF)
        << wide;
    // The rows follow the colour table whatever the image size field says.
    QTest::newRow("DWG bitmap stating too small an image size")
        << Builder::dwg({{BitmapCode, withU32(dibIndexed, 20, 12)}}) << wide;
    QTest::newRow("DWG bitmap with bytes after its rows")
        << Builder::dwg({{BitmapCode, withU32(dibIndexed + QByteArray(40, 7), 20, 72)}}) << wide;
    QTest::newRow("DWG after 2018") << Builder::dwg({{PngCode, pngWide}}, "AC1036") << wide;

    QTest::newRow("DXF bitmap, CR LF") << Builder::dxf(dibWide) << wide;
    QTest::newRow("DXF bitmap, LF") << Builder::dxf(dibWide, lf) << wide;
    QTest::newRow("DXF lower-case hex, bare codes, short lines")
        << Builder::dxf(dibWide, loose) << wide;
    QTest::newRow("DXF PNG") << Builder::dxf(pngWide) << wide;
    QTest::newRow("DXF 8 bpp") << Builder::dxf(dibIndexed) << wide;
    QTest::newRow("DXF no byte count") << Builder::dxf(dibWide, noCount) << wide;
    QTest::newRow("DXF wrong byte count")
        << replaced(Builder::dxf(dibWide), " 90\r\n" + QByteArray::number(dibWide.size()),
                    " 90\r\n7")
        << wide;
    QTest::newRow("DXF byte order mark") << "\xEF\xBB\xBF" + Builder::dxf(dibWide) << wide;
    QTest::newRow("DXF blanks after lines")
        << replaced(Builder::dxf(dibWide, lf), "\n", " \t\n") << wide;
    QTest::newRow("DXF comment longer than a read chunk")
        << "999\r\n" + QByteArray(100000, 'x') + "\r\n" + Builder::dxf(dibWide) << wide;
    // Over a megabyte: the end is searched first, in whichever line the search starts (the
    // garbage line ahead would stop a reading from the start).
    const QByteArray filler = QByteArray("999\r\nabcd\r\n").repeated(100000);
    for (int shift = 0; shift < 11; ++shift)
        QTest::addRow("DXF large, thumbnail at the end, shift %d", shift)
            << "garbage\r\n" + filler + "999\r\n" + QByteArray(shift, 's') + "\r\n" +
                   Builder::dxf(dibWide)
            << wide;
    QTest::newRow("DXF large, thumbnail before a megabyte")
        << replaced(Builder::dxf(dibWide), "  0\r\nEOF",
                    "  0\r\nSECTION\r\n  2\r\nOBJECTS\r\n" + filler + "  0\r\nENDSEC\r\n  0\r\nEOF")
        << wide;
    QTest::newRow("DXF hex lines across read chunks")
        << "999\r\n" + QByteArray(40000, 'x') + "\r\n" + Builder::dxf(Builder::dib(large)) << large;
}

void TestPreviewReader::preview()
{
    QFETCH(QByteArray, drawing);
    QFETCH(QImage, expected);

    const PreviewResult result = DrawingPreviewReader::readBytes(drawing);
    QVERIFY2(result.hasImage(), qPrintable(result.error));
    QCOMPARE(rgb(result.image), rgb(expected));
}

// A bitmap of two colours whose pixels use four.
void TestPreviewReader::coloursPastTheTableAreBlack()
{
    QImage picture(4, 1, QImage::Format_Indexed8);
    picture.setColorTable({qRgb(255, 0, 0), qRgb(0, 255, 0)});
    std::memcpy(picture.scanLine(0), "\x00\x01\x02\xC8", 4);
    const PreviewResult result =
        DrawingPreviewReader::readBytes(Builder::dwg({{BitmapCode, Builder::dib(picture)}}));
    QVERIFY2(result.hasImage(), qPrintable(result.error));
    for (int x = 0; x < 4; ++x)
        QCOMPARE(result.image.pixel(x, 0),
                 (QList<QRgb>{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 0), qRgb(0, 0, 0)}[x]));
}

void TestPreviewReader::noPreview_data()
{
    QTest::addColumn<QByteArray>("drawing");
    QTest::addColumn<QString>("reason");

    const QByteArray png = Builder::png(Builder::quadrantImage(12, 6));
    const QByteArray dib = Builder::dib(Builder::quadrantImage(10, 6));
    const QByteArray dwg = Builder::dwg({{PngCode, png}});
    const int entry = Builder::entryStartOffset(0);
    const auto dwgBitmap = [](qint32 width, qint32 height, quint16 bitCount, quint32 compression,
                              quint32 colours, int payload) {
        return Builder::dwg({{BitmapCode, Builder::dibHeader(width, height, bitCount, compression,
                                                             colours, payload)}});
    };
    const QByteArray widePng = Builder::png(Builder::quadrantImage(MaxPreviewSide + 1, 2));
    QByteArray manyEntries = dwg;
    manyEntries[Builder::BlockAddress + 20] = char(255);

    QTest::newRow("DWG header data only")
        << Builder::dwg({{HeaderCode, QByteArray(80, 0)}}) << "プレビュー画像がありません";
    QTest::newRow("DWG no entries") << Builder::dwg({}) << "プレビュー画像がありません";
    QTest::newRow("DWG metafile only") << Builder::dwg({{MetafileCode, "wmf"}}) << "WMF";
    QTest::newRow("DWG R12 (0x0D is no address)")
        << Builder::dwg({{PngCode, png}}, "AC1009") << "リリース 13 より前";
    QTest::newRow("DWG oldest version")
        << Builder::dwg({{PngCode, png}}, "AC2.10") << "リリース 13";
    QTest::newRow("DWG 2004 encrypted properties")
        << withU32(Builder::dwg({{PngCode, png}}, "AC1018"), Builder::SecurityFlagsOffset, 2)
        << "暗号化";
    QTest::newRow("DWG header cut short") << dwg.left(0x10) << "ヘッダー";
    QTest::newRow("DWG wrong sentinel") << replaced(dwg, QByteArray::fromHex("1F256D07"), "abcd")
                                        << "プレビューのブロックがありません";
    QTest::newRow("DWG address past the end")
        << withU32(dwg, 0x0D, dwg.size()) << "プレビューのブロックがありません";
    QTest::newRow("DWG address near the end")
        << withU32(dwg, 0x0D, dwg.size() - 4) << "プレビューのブロックがありません";
    QTest::newRow("DWG address 0xFFFFFFFF")
        << withU32(dwg, 0x0D, 0xFFFFFFFF) << "プレビューのブロックがありません";
    QTest::newRow("DWG directory cut short") << dwg.left(Builder::BlockAddress + 25) << "目録";
    QTest::newRow("DWG 255 entries claimed") << manyEntries << "目録";
    QTest::newRow("DWG entry start past the end")
        << withU32(dwg, entry, dwg.size()) << "終わりを越えています";
    QTest::newRow("DWG entry size past the end")
        << withU32(dwg, entry + 4, dwg.size()) << "終わりを越えています";
    QTest::newRow("DWG start + size overflows 32 bits")
        << withU32(withU32(dwg, entry, 0xFFFFFF00), entry + 4, 0x200) << "終わりを越えています";
    QTest::newRow("DWG entry size 0xFFFFFFFF")
        << withU32(dwg, entry + 4, 0xFFFFFFFF) << "大きすぎます";
    QTest::newRow("DWG PNG entry that is no PNG")
        << Builder::dwg({{PngCode, "x"}}) << "PNG ではありません";
    // Only the best picture is read: a directory may point every entry at one damaged picture.
    QTest::newRow("DWG damaged PNG, then bitmap")
        << Builder::dwg({{PngCode, png.left(30)}, {BitmapCode, dib}}) << "画像の大きさを読めません";
    QImage manyPixels(2048, int(MaxPreviewPixels / 2048) + 1, QImage::Format_Mono);
    manyPixels.fill(0);
    QTest::newRow("DWG PNG of more pixels than a preview holds")
        << Builder::dwg({{PngCode, Builder::png(manyPixels)}})
        << "2048 x 1025 ピクセルはありえません";
    QTest::newRow("DWG PNG wider than the limit")
        << Builder::dwg({{PngCode, widePng}}) << "4097 x 2 ピクセルはありえません";
    QTest::newRow("DWG bitmap claims 100000 x 100000")
        << dwgBitmap(100000, 100000, 24, 0, 0, 64) << "ピクセルはありえません";
    QTest::newRow("DWG bitmap height INT_MIN")
        << dwgBitmap(8, INT_MIN, 24, 0, 0, 64) << "ピクセルはありえません";
    QTest::newRow("DWG bitmap pixels cut short")
        << dwgBitmap(64, 64, 24, 0, 0, 64) << "しかありません";
    QTest::newRow("DWG bitmap colours cut short")
        << dwgBitmap(4, 4, 8, 0, 0, 100) << "しかありません";
    QTest::newRow("DWG 300 colours at 8 bpp")
        << dwgBitmap(4, 4, 8, 0, 300, 4096) << "カラーテーブル";
    QTest::newRow("DWG RLE8 bitmap") << dwgBitmap(4, 4, 8, 1, 0, 4096) << "形式に対応していません";
    QTest::newRow("DWG 7 bpp") << dwgBitmap(4, 4, 7, 0, 0, 4096) << "形式に対応していません";
    QTest::newRow("DWG core header")
        << Builder::dwg({{BitmapCode, withU32(dib, 0, 12)}}) << "未知の種類";

    const QByteArray dxf = Builder::dxf(dib);
    const QByteArray digits = dib.toHex().toUpper().left(8);
    const QByteArray noThumbnail =
        dxf.left(dxf.indexOf("  0\r\nSECTION\r\n  2\r\nTHUMB")) + "  0\r\nEOF\r\n";
    const auto section = [&](const QByteArray &body) {
        return replaced(noThumbnail, "  0\r\nEOF", "  0\r\nSECTION\r\n" + body + "  0\r\nEOF");
    };

    QTest::newRow("DXF no THUMBNAILIMAGE")
        << noThumbnail << "THUMBNAILIMAGE セクションがありません";
    QTest::newRow("DXF large, no THUMBNAILIMAGE")
        << QByteArray("999\r\nabcd\r\n").repeated(100000) + noThumbnail
        << "THUMBNAILIMAGE セクションがありません";
    QTest::newRow("DXF block named THUMBNAILIMAGE")
        << section("  2\r\nBLOCKS\r\n  0\r\nBLOCK\r\n  2\r\nTHUMBNAILIMAGE\r\n310\r\n" +
                   dib.toHex() + "\r\n  0\r\nENDSEC\r\n")
        << "THUMBNAILIMAGE セクションがありません";
    QTest::newRow("DXF odd hex digits") << replaced(dxf, digits, digits.left(7)) << "壊れています";
    QTest::newRow("DXF not hex") << replaced(dxf, digits, "28G00000") << "壊れています";
    QTest::newRow("DXF over-long hex line")
        << replaced(dxf, digits, QByteArray(8000, '0') + digits) << "壊れています";
    QTest::newRow("DXF section not closed")
        << dxf.left(dxf.lastIndexOf("  0\r\nENDSEC")) << "閉じていません";
    QTest::newRow("DXF cut after a group code")
        << dxf.left(dxf.indexOf("310\r\n") + 5) << "閉じていません";
    QTest::newRow("DXF empty section") << section("  2\r\nTHUMBNAILIMAGE\r\n  0\r\nENDSEC\r\n")
                                       << "でもビットマップでもありません";
    QTest::newRow("DXF DWG preview block inside")
        << Builder::dxf(QByteArray::fromHex("6B420000020100000000") + dib)
        << "でもビットマップでもありません";
    QTest::newRow("DXF bitmap claims 100000 x 100000")
        << Builder::dxf(Builder::dibHeader(100000, 100000, 32, 0, 0, 256))
        << "ピクセルはありえません";
    QTest::newRow("DXF bitmap cut short") << Builder::dxf(dib.chopped(1)) << "しかありません";
    QTest::newRow("text, no DXF") << QByteArray("hello\nworld\n")
                                  << "ASCII 形式の DXF 図面ではありません";
    QTest::newRow("over-long group code") << QByteArray(10000, ' ') + "0\nSECTION\n"
                                          << "ASCII 形式の DXF 図面ではありません";
    QTest::newRow("binary DXF") << QByteArray("AutoCAD Binary DXF\r\n\x1a\0", 22)
                                << "バイナリ形式の DXF";
    QTest::newRow("empty file") << QByteArray() << "空です";
}

void TestPreviewReader::noPreview()
{
    QFETCH(QByteArray, drawing);
    QFETCH(QString, reason);

    const PreviewResult result = DrawingPreviewReader::readBytes(drawing);
    QVERIFY(!result.hasImage());
    QVERIFY2(result.error.contains(reason), qPrintable(result.error));
}

void TestPreviewReader::mutations_data()
{
    QTest::addColumn<QByteArray>("drawing");

    const QImage image = Builder::quadrantImage(9, 5);
    QTest::newRow("DWG") << Builder::dwg({{HeaderCode, QByteArray(80, 0)},
                                          {BitmapCode, Builder::dib(image)},
                                          {PngCode, Builder::png(image)}});
    QTest::newRow("DXF") << Builder::dxf(Builder::dib(image));
}

// Cut at every length, and each byte changed to three other values: every variant gives an
// image or a reason, never a crash, a hang or an oversized image.
void TestPreviewReader::mutations()
{
    QFETCH(QByteArray, drawing);

    for (qsizetype position = 0; position < drawing.size(); ++position) {
        QVERIFY2(isWellFormed(DrawingPreviewReader::readBytes(drawing.left(position))),
                 qPrintable(QStringLiteral("cut at %1").arg(position)));
        for (const char mask : {char(0x01), char(0x80), char(0xFF)}) {
            QByteArray changed = drawing;
            changed[position] = char(changed[position] ^ mask);
            QVERIFY2(isWellFormed(DrawingPreviewReader::readBytes(changed)),
                     qPrintable(QStringLiteral("byte %1 ^ %2").arg(position).arg(int(mask))));
        }
    }
}

void TestPreviewReader::samples_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    const auto expected = sampleExpectations();
    if (!expected)
        QSKIP(qPrintable(QStringLiteral("sample drawings not found in %1").arg(drawingsDir())));
    for (auto it = expected->cbegin(); it != expected->cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << QDir(drawingsDir()).filePath(it.key()) << it.value();
}

// The real drawings give the preview size or the absence that SOURCES.md records, and stay
// well-formed when cut short or changed at a spread of places.
void TestPreviewReader::samples()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    const PreviewResult result = DrawingPreviewReader::readFile(path);
    QVERIFY2(result.hasImage() == size.isValid(), qPrintable(result.error));
    if (size.isValid())
        QCOMPARE(result.image.size(), size);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    constexpr int Steps = 24;
    for (int step = 0; step < Steps; ++step) {
        const qsizetype position = (bytes.size() * step / Steps + step) % bytes.size();
        QVERIFY(isWellFormed(DrawingPreviewReader::readBytes(bytes.left(position))));
        QByteArray changed = bytes;
        changed[position] = char(~changed[position]);
        QVERIFY(isWellFormed(DrawingPreviewReader::readBytes(changed)));
    }
}

void TestPreviewReader::samplesAreAllListed()
{
    const auto expected = sampleExpectations();
    if (!expected)
        QSKIP(qPrintable(QStringLiteral("sample drawings not found in %1").arg(drawingsDir())));
    QStringList present =
        QDir(drawingsDir())
            .entryList({QStringLiteral("*.dwg"), QStringLiteral("*.dxf")}, QDir::Files);
    present.sort(); // in the map's order
    QCOMPARE(present, expected->keys());
}

void TestPreviewReader::unreadableFiles_data()
{
    QTest::addColumn<QString>("path"); // in a folder that holds the folder "plans"
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << QStringLiteral("none.dwg")
                             << QStringLiteral("ファイルが見つかりません");
    QTest::newRow("a folder") << QStringLiteral("plans")
                              << QStringLiteral("ファイルではなくフォルダーです");
}

void TestPreviewReader::unreadableFiles()
{
    QFETCH(QString, path);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("plans")));
    QCOMPARE(DrawingPreviewReader::readFile(dir.filePath(path)).error, reason);
}

// Once asked to stop, a read ends at its next read of the file, without a picture.
void TestPreviewReader::readingStopsWhenAsked()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.dxf"));
    QFile file(path);
    const QByteArray drawing = Builder::dxf(Builder::dib(Builder::quadrantImage(12, 6)));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(drawing) == drawing.size());
    file.close();
    std::atomic_bool stop{false};
    QVERIFY(DrawingPreviewReader::readFile(path, stop).hasImage());
    stop = true;
    QVERIFY(!DrawingPreviewReader::readFile(path, stop).hasImage());
}

QTEST_GUILESS_MAIN(TestPreviewReader)
#include "test_previewreader.moc"
