#include "platform/preview/drawingpreviewreader.h"

#include "drawingbuilder.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <climits>

using namespace tavrolin;

namespace {

using Entry = DrawingBuilder::DwgEntry;

constexpr quint8 HeaderCode = 1;
constexpr quint8 BitmapCode = 2;
constexpr quint8 MetafileCode = 3;
constexpr quint8 PngCode = 6;

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// Every outcome must be one of the two: an image within the limits, or none with a reason.
void verifyWellFormed(const PreviewResult &result)
{
    if (result.hasImage()) {
        QVERIFY(result.error.isEmpty());
        QVERIFY(result.image.width() <= MaxPreviewSide);
        QVERIFY(result.image.height() <= MaxPreviewSide);
    } else {
        QVERIFY(!result.error.isEmpty());
    }
}

QByteArray withU32(QByteArray bytes, int offset, quint32 value)
{
    DrawingBuilder::putU32(&bytes, offset, value);
    return bytes;
}

QByteArray replaced(QByteArray bytes, const QByteArray &before, const QByteArray &after)
{
    return bytes.replace(before, after);
}

// What the sample folder's SOURCES.md says about each drawing: its preview size, or an invalid
// size when the tables list it without a (usable) preview.
QMap<QString, QSize> expectationsFromSources(const QString &markdown)
{
    static const QRegularExpression pixelSize(QStringLiteral("(\\d+)×(\\d+)"));
    QMap<QString, QSize> expected;
    bool previewSection = false;
    for (const QString &line : markdown.split(u'\n')) {
        if (line.startsWith(u"## ")) {
            previewSection = line.contains(u" with ") && !line.contains(u"without");
            continue;
        }
        const QStringList cells = line.split(u'|');
        if (cells.size() < 6)
            continue;
        const QString file = cells[1].trimmed();
        if (!file.endsWith(u".dwg") && !file.endsWith(u".dxf"))
            continue;
        const QRegularExpressionMatch match = pixelSize.match(cells[5]);
        expected.insert(file, previewSection && match.hasMatch()
                                  ? QSize(match.captured(1).toInt(), match.captured(2).toInt())
                                  : QSize());
    }
    return expected;
}

QString drawingsDir()
{
    return QStringLiteral(TAVROLIN_DRAWINGS_DIR);
}

} // namespace

class DrawingPreviewReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void dwgPreview_data();
    void dwgPreview();
    void damagedDwg_data();
    void damagedDwg();
    void dxfThumbnail_data();
    void dxfThumbnail();
    void damagedDxf_data();
    void damagedDxf();
    void files_data();
    void files();
    void truncatedAtEveryOffset_data();
    void truncatedAtEveryOffset();
    void flippedBytes_data();
    void flippedBytes();
    void samples_data();
    void samples();
    void samplesAreAllListed();
};

void DrawingPreviewReaderTest::dwgPreview_data()
{
    QTest::addColumn<QByteArray>("drawing");
    QTest::addColumn<QImage>("expected");

    const QImage wide = DrawingBuilder::quadrantImage(12, 6);
    const QImage tall = DrawingBuilder::quadrantImage(6, 10);
    const QImage indexed = wide.convertToFormat(QImage::Format_Indexed8);
    const QByteArray header(80, '\0');
    const QByteArray pngWide = DrawingBuilder::png(wide);
    const QByteArray dibWide = DrawingBuilder::dib(wide);
    const QByteArray dibTall = DrawingBuilder::dib(tall);

    QTest::newRow("PNG, 2018") << DrawingBuilder::dwg({{HeaderCode, header}, {PngCode, pngWide}})
                               << wide;
    QTest::newRow("24-bpp bitmap, R13")
        << DrawingBuilder::dwg({{HeaderCode, header}, {BitmapCode, dibWide}}, "AC1012") << wide;
    QTest::newRow("8-bpp bitmap, 2000")
        << DrawingBuilder::dwg({{BitmapCode, DrawingBuilder::dib(indexed)}}, "AC1015") << wide;
    QTest::newRow("PNG preferred to a larger bitmap")
        << DrawingBuilder::dwg(
               {{BitmapCode, DrawingBuilder::dib(DrawingBuilder::quadrantImage(40, 40))},
                {PngCode, pngWide}})
        << wide;
    QTest::newRow("largest of two bitmaps")
        << DrawingBuilder::dwg({{BitmapCode, dibTall}, {BitmapCode, dibWide}}, "AC1021") << wide;
    QTest::newRow("damaged PNG falls back to the bitmap")
        << DrawingBuilder::dwg({{PngCode, pngWide.left(30)}, {BitmapCode, dibTall}}) << tall;
    QTest::newRow("metafile beside a bitmap is ignored")
        << DrawingBuilder::dwg({{MetafileCode, QByteArray(500, 'w')}, {BitmapCode, dibTall}})
        << tall;
    QTest::newRow("top-down bitmap")
        << DrawingBuilder::dwg({{BitmapCode, withU32(DrawingBuilder::dib(wide), 8, quint32(-6))}})
        << wide.mirrored(false, true);
    QTest::newRow("security flags before 2004 mean nothing")
        << withU32(DrawingBuilder::dwg({{PngCode, pngWide}}, "AC1015"),
                   DrawingBuilder::SecurityFlagsOffset, 0xFFFFFFFF)
        << wide;
    QTest::newRow("release after 2018")
        << DrawingBuilder::dwg({{PngCode, pngWide}}, "AC1036") << wide;
}

void DrawingPreviewReaderTest::dwgPreview()
{
    QFETCH(QByteArray, drawing);
    QFETCH(QImage, expected);

    const PreviewResult result = DrawingPreviewReader::readBytes(drawing);
    QVERIFY2(result.hasImage(), qPrintable(result.error));
    QCOMPARE(rgb(result.image), rgb(expected));
}

void DrawingPreviewReaderTest::damagedDwg_data()
{
    QTest::addColumn<QByteArray>("drawing");
    QTest::addColumn<QString>("reason");

    const QByteArray png = DrawingBuilder::png(DrawingBuilder::quadrantImage(12, 6));
    const QByteArray valid = DrawingBuilder::dwg({{PngCode, png}});
    const int entry = DrawingBuilder::entryStartOffset(0);

    QTest::newRow("header data only")
        << DrawingBuilder::dwg({{HeaderCode, QByteArray(80, '\0')}}) << "no preview image";
    QTest::newRow("no entries") << DrawingBuilder::dwg({}) << "no preview image";
    QTest::newRow("metafile only")
        << DrawingBuilder::dwg({{MetafileCode, QByteArray(100, 'w')}}) << "WMF";
    QTest::newRow("R12 with a block at 0x0D's address")
        << DrawingBuilder::dwg({{PngCode, png}}, "AC1009") << "before release 13";
    QTest::newRow("oldest version string")
        << DrawingBuilder::dwg({{PngCode, png}}, "AC2.10") << "before release 13";
    QTest::newRow("encrypted properties, 2004")
        << withU32(DrawingBuilder::dwg({{PngCode, png}}, "AC1018"),
                   DrawingBuilder::SecurityFlagsOffset, 2)
        << "encrypted";
    QTest::newRow("header cut short") << valid.left(0x10) << "header";
    QTest::newRow("wrong sentinel")
        << replaced(valid, QByteArray::fromHex("1F256D07"), "abcd") << "no preview block";
    QTest::newRow("address past the end")
        << withU32(valid, 0x0D, valid.size()) << "no preview block";
    QTest::newRow("address at the last bytes")
        << withU32(valid, 0x0D, valid.size() - 4) << "no preview block";
    QTest::newRow("address 0xFFFFFFFF") << withU32(valid, 0x0D, 0xFFFFFFFF) << "no preview block";
    QTest::newRow("directory cut short")
        << valid.left(DrawingBuilder::BlockAddress + 25) << "directory";
    QTest::newRow("255 entries claimed") << [&] {
        QByteArray bytes = DrawingBuilder::dwg({{PngCode, png}});
        bytes[DrawingBuilder::BlockAddress + 20] = char(255);
        return bytes;
    }() << "directory";
    QTest::newRow("entry start past the end")
        << withU32(valid, entry, valid.size()) << "past the end";
    QTest::newRow("entry size past the end")
        << withU32(valid, entry + 4, valid.size()) << "past the end";
    QTest::newRow("start + size overflows 32 bits")
        << withU32(withU32(valid, entry, 0xFFFFFF00), entry + 4, 0x200) << "past the end";
    QTest::newRow("size 0xFFFFFFFF") << withU32(valid, entry + 4, 0xFFFFFFFF) << "large";
    QTest::newRow("PNG entry that is no PNG")
        << DrawingBuilder::dwg({{PngCode, QByteArray(64, 'x')}}) << "not a PNG";
    QTest::newRow("PNG claims 100000 x 100000") << [&] {
        QByteArray bytes = png;
        qToBigEndian<quint32>(100000, bytes.data() + 16);
        qToBigEndian<quint32>(100000, bytes.data() + 20);
        return DrawingBuilder::dwg({{PngCode, bytes}});
    }() << "impossible size";
    QTest::newRow("bitmap claims 100000 x 100000")
        << DrawingBuilder::dwg(
               {{BitmapCode, DrawingBuilder::dibHeader(100000, 100000, 24, 0, 0, 64)}})
        << "impossible size";
    QTest::newRow("bitmap with the most negative height")
        << DrawingBuilder::dwg({{BitmapCode, DrawingBuilder::dibHeader(8, INT_MIN, 24, 0, 0, 64)}})
        << "impossible size";
    QTest::newRow("bitmap pixels cut short")
        << DrawingBuilder::dwg({{BitmapCode, DrawingBuilder::dibHeader(64, 64, 24, 0, 0, 64)}})
        << "only";
    QTest::newRow("bitmap colour table cut short")
        << DrawingBuilder::dwg({{BitmapCode, DrawingBuilder::dibHeader(4, 4, 8, 0, 0, 100)}})
        << "only";
    QTest::newRow("bitmap with 300 colours at 8 bpp")
        << DrawingBuilder::dwg({{BitmapCode, DrawingBuilder::dibHeader(4, 4, 8, 0, 300, 4096)}})
        << "colour table";
    QTest::newRow("RLE8 bitmap") << DrawingBuilder::dwg({{BitmapCode, DrawingBuilder::dibHeader(
                                                                          4, 4, 8, 1, 0, 4096)}})
                                 << "unsupported layout";
    QTest::newRow("bitmap with 7 bpp")
        << DrawingBuilder::dwg({{BitmapCode, DrawingBuilder::dibHeader(4, 4, 7, 0, 0, 4096)}})
        << "unsupported layout";
    QTest::newRow("core header instead of info header")
        << DrawingBuilder::dwg(
               {{BitmapCode,
                 withU32(DrawingBuilder::dib(DrawingBuilder::quadrantImage(4, 4)), 0, 12)}})
        << "unknown kind";
}

void DrawingPreviewReaderTest::damagedDwg()
{
    QFETCH(QByteArray, drawing);
    QFETCH(QString, reason);

    const PreviewResult result = DrawingPreviewReader::readBytes(drawing);
    QVERIFY(!result.hasImage());
    QVERIFY2(result.error.contains(reason), qPrintable(result.error));
}

void DrawingPreviewReaderTest::dxfThumbnail_data()
{
    QTest::addColumn<QByteArray>("drawing");
    QTest::addColumn<QImage>("expected");

    const QImage image = DrawingBuilder::quadrantImage(10, 6);
    const QByteArray dib = DrawingBuilder::dib(image);
    DrawingBuilder::DxfStyle lf;
    lf.lineEnd = "\n";
    DrawingBuilder::DxfStyle loose;
    loose.lowerCaseHex = true;
    loose.paddedCodes = false;
    loose.digitsPerLine = 10;
    DrawingBuilder::DxfStyle noCount;
    noCount.byteCount = false;

    QTest::newRow("bitmap, CR LF") << DrawingBuilder::dxf(dib) << image;
    QTest::newRow("bitmap, LF") << DrawingBuilder::dxf(dib, lf) << image;
    QTest::newRow("lower-case hex, bare codes, short lines")
        << DrawingBuilder::dxf(dib, loose) << image;
    QTest::newRow("PNG") << DrawingBuilder::dxf(DrawingBuilder::png(image)) << image;
    QTest::newRow("8-bpp bitmap") << DrawingBuilder::dxf(DrawingBuilder::dib(
                                         image.convertToFormat(QImage::Format_Indexed8)))
                                  << image;
    QTest::newRow("no byte count") << DrawingBuilder::dxf(dib, noCount) << image;
    QTest::newRow("byte count differs")
        << replaced(DrawingBuilder::dxf(dib), "\r\n 90\r\n" + QByteArray::number(dib.size()),
                    "\r\n 90\r\n7")
        << image;
    QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + DrawingBuilder::dxf(dib) << image;
    QTest::newRow("blanks after values")
        << replaced(DrawingBuilder::dxf(dib, lf), "\n", " \t\n") << image;
    QTest::newRow("comment longer than the read chunk")
        << "999\r\n" + QByteArray(100000, 'x') + "\r\n" + DrawingBuilder::dxf(dib) << image;
    const QImage large = DrawingBuilder::quadrantImage(200, 120);
    QTest::newRow("hex lines across chunk boundaries")
        << "999\r\n" + QByteArray(40000, 'x') + "\r\n" +
               DrawingBuilder::dxf(DrawingBuilder::dib(large))
        << large;
}

void DrawingPreviewReaderTest::dxfThumbnail()
{
    QFETCH(QByteArray, drawing);
    QFETCH(QImage, expected);

    const PreviewResult result = DrawingPreviewReader::readBytes(drawing);
    QVERIFY2(result.hasImage(), qPrintable(result.error));
    QCOMPARE(rgb(result.image), rgb(expected));
}

void DrawingPreviewReaderTest::damagedDxf_data()
{
    QTest::addColumn<QByteArray>("drawing");
    QTest::addColumn<QString>("reason");

    const QByteArray dib = DrawingBuilder::dib(DrawingBuilder::quadrantImage(10, 6));
    const QByteArray valid = DrawingBuilder::dxf(dib);
    const QByteArray firstDigits = dib.toHex().toUpper().left(8);
    const QByteArray withoutThumbnail =
        valid.left(valid.indexOf("  0\r\nSECTION\r\n  2\r\nTHUMB")) + "  0\r\nEOF\r\n";

    QTest::newRow("no THUMBNAILIMAGE section") << withoutThumbnail << "no THUMBNAILIMAGE";
    QTest::newRow("only a block named THUMBNAILIMAGE")
        << replaced(withoutThumbnail, "  0\r\nEOF",
                    "  0\r\nSECTION\r\n  2\r\nBLOCKS\r\n  0\r\nBLOCK\r\n  2\r\nTHUMBNAILIMAGE\r\n"
                    "310\r\n" +
                        dib.toHex() + "\r\n  0\r\nENDSEC\r\n  0\r\nEOF")
        << "no THUMBNAILIMAGE";
    QTest::newRow("odd number of hex digits")
        << replaced(valid, firstDigits, firstDigits.left(7)) << "damaged on line";
    QTest::newRow("not hexadecimal")
        << replaced(valid, firstDigits, "28G00000") << "damaged on line";
    QTest::newRow("hex line too long to be one")
        << replaced(valid, firstDigits, QByteArray(8000, '0') + firstDigits) << "damaged on line";
    QTest::newRow("section not closed")
        << valid.left(valid.lastIndexOf("  0\r\nENDSEC")) << "not closed";
    QTest::newRow("cut after a group code")
        << valid.left(valid.indexOf("310\r\n") + 5) << "not closed";
    QTest::newRow("empty section")
        << replaced(withoutThumbnail, "  0\r\nEOF",
                    "  0\r\nSECTION\r\n  2\r\nTHUMBNAILIMAGE\r\n  0\r\nENDSEC\r\n  0\r\nEOF")
        << "neither";
    QTest::newRow("DWG preview block instead of an image")
        << DrawingBuilder::dxf(QByteArray::fromHex("6B420000020100000000") + dib) << "neither";
    QTest::newRow("bitmap claims 100000 x 100000")
        << DrawingBuilder::dxf(DrawingBuilder::dibHeader(100000, 100000, 32, 0, 0, 256))
        << "impossible size";
    QTest::newRow("bitmap pixels cut short")
        << DrawingBuilder::dxf(dib.left(dib.size() - 1)) << "only";
    QTest::newRow("text that is not a DXF") << QByteArray("hello\nworld\n") << "not an ASCII DXF";
    QTest::newRow("group code line too long") << QByteArray(10000, ' ') + "0\nSECTION\n"
                                              << "not an ASCII DXF";
    QTest::newRow("binary DXF") << QByteArray("AutoCAD Binary DXF\r\n\x1a\0", 22) +
                                       QByteArray(100, '\0')
                                << "binary DXF";
    QTest::newRow("empty file") << QByteArray() << "empty";
}

void DrawingPreviewReaderTest::damagedDxf()
{
    QFETCH(QByteArray, drawing);
    QFETCH(QString, reason);

    const PreviewResult result = DrawingPreviewReader::readBytes(drawing);
    QVERIFY(!result.hasImage());
    QVERIFY2(result.error.contains(reason), qPrintable(result.error));
}

void DrawingPreviewReaderTest::files_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");

    QTest::newRow("drawing with a preview") << "good.dwg"
                                            << "";
    QTest::newRow("empty path") << ""
                                << "no drawing";
    QTest::newRow("missing file") << "missing.dwg"
                                  << "does not exist";
    QTest::newRow("folder") << "folder.dwg"
                            << "not a regular file";
    QTest::newRow("empty file") << "empty.dxf"
                                << "empty";
}

void DrawingPreviewReaderTest::files()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.dwg")));
    QFile good(dir.filePath(QStringLiteral("good.dwg")));
    QVERIFY(good.open(QIODevice::WriteOnly));
    good.write(
        DrawingBuilder::dwg({{PngCode, DrawingBuilder::png(DrawingBuilder::quadrantImage(8, 8))}}));
    good.close();
    QFile empty(dir.filePath(QStringLiteral("empty.dxf")));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();

    const PreviewResult result =
        DrawingPreviewReader::readFile(name.isEmpty() ? name : dir.filePath(name));
    QCOMPARE(result.hasImage(), reason.isEmpty());
    QVERIFY2(result.error.contains(reason), qPrintable(result.error));
}

void DrawingPreviewReaderTest::truncatedAtEveryOffset_data()
{
    QTest::addColumn<QByteArray>("drawing");

    const QImage image = DrawingBuilder::quadrantImage(9, 5);
    QTest::newRow("DWG") << DrawingBuilder::dwg({{HeaderCode, QByteArray(80, '\0')},
                                                 {BitmapCode, DrawingBuilder::dib(image)},
                                                 {PngCode, DrawingBuilder::png(image)}});
    QTest::newRow("DXF") << DrawingBuilder::dxf(DrawingBuilder::dib(image));
}

// Every cut gives an image or a reason, never a crash, a hang or an oversized allocation.
void DrawingPreviewReaderTest::truncatedAtEveryOffset()
{
    QFETCH(QByteArray, drawing);

    for (qsizetype length = 0; length < drawing.size(); ++length) {
        verifyWellFormed(DrawingPreviewReader::readBytes(drawing.left(length)));
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("cut at %1").arg(length)));
    }
}

void DrawingPreviewReaderTest::flippedBytes_data()
{
    truncatedAtEveryOffset_data();
}

// Each byte in turn is changed to three other values.
void DrawingPreviewReaderTest::flippedBytes()
{
    QFETCH(QByteArray, drawing);

    for (qsizetype position = 0; position < drawing.size(); ++position) {
        for (const char mask : {char(0x01), char(0x80), char(0xFF)}) {
            QByteArray changed = drawing;
            changed[position] = char(changed[position] ^ mask);
            verifyWellFormed(DrawingPreviewReader::readBytes(changed));
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("byte %1 ^ %2").arg(position).arg(int(mask))));
        }
    }
}

void DrawingPreviewReaderTest::samples_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    QFile sources(QDir(drawingsDir()).filePath(QStringLiteral("SOURCES.md")));
    if (!sources.open(QIODevice::ReadOnly))
        QSKIP(qPrintable(QStringLiteral("sample drawings not found in %1").arg(drawingsDir())));
    const QMap<QString, QSize> expected =
        expectationsFromSources(QString::fromUtf8(sources.readAll()));
    QVERIFY(!expected.isEmpty());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << QDir(drawingsDir()).filePath(it.key()) << it.value();
}

// The real drawings give the preview (pixel size) or the absence that SOURCES.md records, also
// when damaged: cut at many lengths and changed at many places, each still gives a clean result.
void DrawingPreviewReaderTest::samples()
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
        const qsizetype position = bytes.size() * step / Steps + step;
        verifyWellFormed(DrawingPreviewReader::readBytes(bytes.left(position)));
        QByteArray changed = bytes;
        changed[position % bytes.size()] = char(~changed[position % bytes.size()]);
        verifyWellFormed(DrawingPreviewReader::readBytes(changed));
    }
}

void DrawingPreviewReaderTest::samplesAreAllListed()
{
    QFile sources(QDir(drawingsDir()).filePath(QStringLiteral("SOURCES.md")));
    if (!sources.open(QIODevice::ReadOnly))
        QSKIP(qPrintable(QStringLiteral("sample drawings not found in %1").arg(drawingsDir())));
    QStringList listed = expectationsFromSources(QString::fromUtf8(sources.readAll())).keys();
    QStringList present =
        QDir(drawingsDir())
            .entryList({QStringLiteral("*.dwg"), QStringLiteral("*.dxf")}, QDir::Files);
    listed.sort();
    present.sort();
    QCOMPARE(present, listed);
}

QTEST_GUILESS_MAIN(DrawingPreviewReaderTest)
#include "drawingpreviewreadertest.moc"
