#include "aviwriter.h"
#include "clipreader.h"
#include "riffwriter.h"
#include "testclips.h"

#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

using namespace tavrolin;

namespace {

using Encoding = AviWriter::Encoding;
using Pattern = TestClips::Pattern;

QByteArray clipFile(QSize size, int count, Encoding encoding, Pattern pattern = Pattern::Stripes)
{
    return AviWriter(TestClips::frames(size, count, pattern), encoding, 100000).file();
}

// A clip whose first frame is all index 1 and whose second frame is rle8 drawn onto it.
QByteArray handCodedClip(QSize size, const QByteArray &rle8)
{
    AviWriter writer(TestClips::frames(size, 2, Pattern::Solid), Encoding::Rle8, 100000);
    const QByteArray fill = QByteArray::fromHex("0401 0000 0401 0000 0401 0000 0001");
    writer.setCodedFrames({fill, rle8});
    return writer.file();
}

// A RIFF AVI file made of the given header list body and movie list.
QByteArray assembled(const QByteArray &headers, const QByteArray &movie)
{
    return RiffWriter::list("RIFF", "AVI ", RiffWriter::list("LIST", "hdrl", headers) + movie);
}

QByteArray audioStreamList()
{
    const QByteArray header = QByteArray("auds").append(52, '\0');
    return RiffWriter::list("LIST", "strl",
                            RiffWriter::chunk("strh", header) +
                                RiffWriter::chunk("strf", QByteArray(18, '\0')));
}

// The file with a 32-bit value replaced at offset bytes into the data of the first chunk with
// the given id. Negative offsets reach back into the header: -4 is a chunk's size, and for a
// list type -12 is its list's size.
QByteArray patched(QByteArray file, QByteArrayView id, int offset, quint32 value)
{
    const qsizetype at = file.indexOf(id) + 8 + offset;
    qToLittleEndian(value, file.data() + at);
    return file;
}

QByteArray withoutChunk(QByteArray file, QByteArrayView id)
{
    // Renaming the chunk hides it from the reader without changing any size.
    return file.replace(file.indexOf(id), 4, "JUNK");
}

} // namespace

class TestClipReader : public QObject
{
    Q_OBJECT

private slots:
    void readsWrittenClips_data();
    void readsWrittenClips();
    void decodesHandCodedRle8_data();
    void decodesHandCodedRle8();
    void refusesUnsupportedClips_data();
    void refusesUnsupportedClips();
    void refusesEveryTruncation_data();
    void refusesEveryTruncation();
    void survivesCorruptedBytes();
    void readsShippedClip();
    void namesTheFileInErrors();
};

void TestClipReader::readsWrittenClips_data()
{
    QTest::addColumn<Encoding>("encoding");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("count");
    QTest::addColumn<Pattern>("pattern");

    QTest::newRow("rle8 stripes") << Encoding::Rle8 << QSize(8, 32) << 16 << Pattern::Stripes;
    QTest::newRow("rle8 odd width, absolute runs")
        << Encoding::Rle8 << QSize(31, 9) << 3 << Pattern::Random;
    QTest::newRow("rle8 runs over 255") << Encoding::Rle8 << QSize(600, 3) << 2 << Pattern::Solid;
    QTest::newRow("rle8 random wide rows")
        << Encoding::Rle8 << QSize(300, 7) << 4 << Pattern::Random;
    QTest::newRow("rle8 one pixel") << Encoding::Rle8 << QSize(1, 1) << 2 << Pattern::Stripes;
    QTest::newRow("rle8 widest") << Encoding::Rle8 << QSize(4096, 2) << 2 << Pattern::Stripes;
    QTest::newRow("uncompressed odd width")
        << Encoding::Uncompressed << QSize(3, 31) << 9 << Pattern::Random;
    QTest::newRow("uncompressed padded rows")
        << Encoding::Uncompressed << QSize(5, 4) << 2 << Pattern::Stripes;
}

void TestClipReader::readsWrittenClips()
{
    QFETCH(Encoding, encoding);
    QFETCH(QSize, size);
    QFETCH(int, count);
    QFETCH(Pattern, pattern);
    const QList<QImage> source = TestClips::frames(size, count, pattern);

    QString error;
    const std::optional<Clip> clip =
        ClipReader::read(AviWriter(source, encoding, 66667).file(), &error);

    QVERIFY2(clip, qPrintable(error));
    QCOMPARE(clip->microsecondsPerFrame, 66667u);
    QCOMPARE(clip->frames.size(), count);
    for (int i = 0; i < count; ++i) {
        QCOMPARE(clip->frames[i].size(), size);
        QCOMPARE(TestClips::rows(clip->frames[i]), TestClips::rows(source[i]));
    }
    const QImage &last = clip->frames.last();
    QCOMPARE(last.pixel(0, 0), source.last().pixel(0, 0));
}

// Frames are 4 × 3; the first is all index 1 and rows() lists the top row first, while RLE8
// codes the bottom row first.
void TestClipReader::decodesHandCodedRle8_data()
{
    QTest::addColumn<QByteArray>("rle8");
    QTest::addColumn<QString>("expected");

    QTest::newRow("encoded runs") << QByteArray::fromHex("0202 0203 0000 0404 0000 0405 0001")
                                  << "5555|4444|2233";
    QTest::newRow("delta keeps the skipped pixels")
        << QByteArray::fromHex("0002 0101 0107 0001") << "1111|1711|1111";
    QTest::newRow("early end of line keeps the rest of the row")
        << QByteArray::fromHex("0109 0000 0000 0208 0001") << "8811|1111|9111";
    QTest::newRow("absolute run padded to an even length")
        << QByteArray::fromHex("0003 0a0b 0c00 0109 0001") << "1111|1111|abc9";
    QTest::newRow("absolute run of four, no pad")
        << QByteArray::fromHex("0004 0a0b 0c0d 0000 0106 0001") << "1111|6111|abcd";
    QTest::newRow("run past the row's end is clipped, not wrapped")
        << QByteArray::fromHex("ff02 0000 0603 0001") << "1111|3333|2222";
    QTest::newRow("absolute run past the row's end is clipped")
        << QByteArray::fromHex("0103 0005 0a0b 0c0d 0e00 0000 0104 0001") << "1111|4111|3abc";
    QTest::newRow("delta past the frame ends it")
        << QByteArray::fromHex("0002 00ff 0302 0001") << "1111|1111|1111";
    QTest::newRow("delta far to the right, then runs are dropped")
        << QByteArray::fromHex("0002 ff00 0302 0000 0205") << "1111|5511|1111";
    QTest::newRow("rows above the top are ignored")
        << QByteArray::fromHex("0000 0000 0000 0000 0402 0001") << "1111|1111|1111";
    QTest::newRow("no end-of-bitmap escape") << QByteArray::fromHex("0203") << "1111|1111|3311";
    QTest::newRow("absolute run cut short by the end of data")
        << QByteArray::fromHex("0004 0a0b") << "1111|1111|ab11";
    QTest::newRow("delta cut short by the end of data")
        << QByteArray::fromHex("0103 0002 01") << "1111|1111|3111";
    QTest::newRow("odd trailing byte") << QByteArray::fromHex("0103 07") << "1111|1111|3111";
    QTest::newRow("empty frame repeats the previous one") << QByteArray() << "1111|1111|1111";
}

void TestClipReader::decodesHandCodedRle8()
{
    QFETCH(QByteArray, rle8);
    QFETCH(QString, expected);

    QString error;
    const std::optional<Clip> clip = ClipReader::read(handCodedClip(QSize(4, 3), rle8), &error);

    QVERIFY2(clip, qPrintable(error));
    QCOMPARE(TestClips::rows(clip->frames[0]), QStringLiteral("1111|1111|1111"));
    QCOMPARE(TestClips::rows(clip->frames[1]), expected);
}

void TestClipReader::refusesUnsupportedClips_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("reason");

    const AviWriter rle(TestClips::frames(QSize(4, 4), 2, Pattern::Stripes), Encoding::Rle8, 1000);
    const QByteArray good = rle.file();
    const QByteArray fiveFrames = clipFile(QSize(4, 4), 5, Encoding::Rle8);
    const QByteArray movie = rle.movieList();
    const QByteArray avih = rle.mainHeader();
    const QByteArray strl = rle.streamList();

    QTest::newRow("empty file") << QByteArray() << "not an AVI file";
    QTest::newRow("text file") << QByteArray("hello, world") << "not an AVI file";
    QTest::newRow("wave file") << QByteArray(good).replace(8, 4, "WAVE") << "not an AVI file";
    QTest::newRow("sound beside the video")
        << assembled(avih + strl + audioStreamList(), movie) << "contains sound";
    QTest::newRow("sound only") << assembled(avih + audioStreamList(), movie) << "contains sound";
    QTest::newRow("two video streams") << assembled(avih + strl + strl, movie) << "2 streams";
    QTest::newRow("no stream") << assembled(avih, movie) << "no stream";
    QTest::newRow("text stream") << QByteArray(good).replace(good.indexOf("vids"), 4, "txts")
                                 << "'txts' is not video";
    QTest::newRow("24-bit frames") << patched(good, "strf", 12, 24 << 16 | 1) << "24-bit";
    QTest::newRow("unknown compression")
        << patched(good, "strf", 16, qFromLittleEndian<quint32>("XVID")) << "'XVID'";
    QTest::newRow("RLE4 compression") << patched(good, "strf", 16, 2) << "compression '2'";
    QTest::newRow("top-down frames") << patched(good, "strf", 8, quint32(-4)) << "top-down";
    QTest::newRow("zero width") << patched(good, "strf", 4, 0) << "out of range";
    QTest::newRow("too wide") << patched(good, "strf", 4, 4097) << "out of range";
    QTest::newRow("negative width") << patched(good, "strf", 4, 0x80000000) << "out of range";
    QTest::newRow("too big to decode")
        << patched(patched(fiveFrames, "strf", 4, 4096), "strf", 8, 4096) << "at most 64 MB";
    QTest::newRow("more frames announced") << patched(good, "avih", 16, 3) << "announces 3";
    QTest::newRow("fewer frames announced") << patched(good, "avih", 16, 1) << "announces 1";
    QTest::newRow("no frames") << patched(
                                      assembled(avih + strl, RiffWriter::list("LIST", "movi", {})),
                                      "avih", 16, 0)
                               << "no frames";
    QTest::newRow("'rec ' list")
        << assembled(avih + strl,
                     RiffWriter::list("LIST", "movi", RiffWriter::list("LIST", "rec ", movie)))
        << "'rec '";
    QTest::newRow("palette change")
        << assembled(avih + strl, RiffWriter::list("LIST", "movi",
                                                   RiffWriter::chunk("00pc", QByteArray(8, '\0')) +
                                                       movie.sliced(12)))
        << "palette changes";
    QTest::newRow("no header list") << withoutChunk(good, "hdrl") << "'hdrl' is missing";
    QTest::newRow("no movie list") << withoutChunk(good, "movi") << "'movi' is missing";
    QTest::newRow("no main header") << withoutChunk(good, "avih") << "'avih' is missing";
    QTest::newRow("no stream header") << withoutChunk(good, "strh") << "'strh' is missing";
    QTest::newRow("no stream format") << withoutChunk(good, "strf") << "'strf' is missing";
    QTest::newRow("short main header")
        << assembled(RiffWriter::chunk("avih", avih.sliced(8, 40)) + strl, movie)
        << "'avih' is too short";
    QTest::newRow("short bitmap header")
        << assembled(avih + RiffWriter::list("LIST", "strl",
                                             strl.sliced(12, 64) +
                                                 RiffWriter::chunk("strf", QByteArray(20, 'x'))),
                     movie)
        << "'strf' is too short";
    QTest::newRow("bitmap header larger than its chunk")
        << patched(good, "strf", 0, 0xfffffff0) << "wrong size";
    QTest::newRow("palette over 256 colours") << patched(good, "strf", 32, 300) << "300 colours";
    QTest::newRow("palette past its chunk") << patched(good, "strf", 32, 200) << "cut short";
    QTest::newRow("uncompressed frame too short")
        << patched(patched(good, "strf", 16, 0), "strf", 4, 64)
        << "frame 1: an uncompressed frame is shorter";
    QTest::newRow("RIFF size near 4 GB") << patched(good, "RIFF", -4, 0xffffffff) << "cut short";
    QTest::newRow("list size wraps to 0 plus its header")
        << patched(good, "hdrl", -12, 0xfffffff8) << "cut short";
    QTest::newRow("chunk size near 4 GB")
        << patched(good, "strf", -4, 0xffffffff) << "'strf' is cut short";
    QTest::newRow("frame size near 4 GB")
        << patched(good, "00dc", -4, 0xfffffffe) << "'00dc' is cut short";
    QTest::newRow("empty list") << assembled(avih + RiffWriter::chunk("LIST", {}), movie)
                                << "no list type";
    QTest::newRow("zero-size chunks only")
        << assembled(avih + strl, RiffWriter::list("LIST", "movi", QByteArray(8000, '\0')))
        << "no frames";
    QTest::newRow("many zero-size frames")
        << assembled(avih + strl,
                     RiffWriter::list("LIST", "movi", QByteArray("00dc\0\0\0\0", 8).repeated(5000)))
        << "announces 2 frames, but the clip holds 5000";
    QTest::newRow("six million frames announced")
        << patched(good, "avih", 16, 6000000) << "announces 6000000 frames; at most 10000";
    QTest::newRow("frames past the limit, whatever the header announced")
        << assembled(avih + strl, RiffWriter::list("LIST", "movi",
                                                   QByteArray("00dc\0\0\0\0", 8).repeated(20000)))
        << "more than 10000 frames";
    QTest::newRow("half a chunk header at the end")
        << assembled(avih + strl + QByteArray("JUN"), movie) << "chunk header is cut short";
}

void TestClipReader::refusesUnsupportedClips()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);

    QString error;
    QVERIFY(!ClipReader::read(file, &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
}

void TestClipReader::refusesEveryTruncation_data()
{
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("rle8") << clipFile(QSize(7, 5), 3, Encoding::Rle8, Pattern::Random);
    QTest::newRow("uncompressed") << clipFile(QSize(3, 3), 2, Encoding::Uncompressed);
}

void TestClipReader::refusesEveryTruncation()
{
    QFETCH(QByteArray, file);

    QVERIFY(ClipReader::read(file, nullptr));
    for (qsizetype length = 0; length < file.size(); ++length) {
        QString error;
        const bool read = ClipReader::read(file.first(length), &error).has_value();
        QVERIFY2(!read && !error.isEmpty(), qPrintable(QString::number(length)));
    }
}

// Random damage must end in a clip or an error, never a crash, a hang or a frame of the wrong
// size (run this test under the sanitizer build to catch reads and writes out of bounds).
void TestClipReader::survivesCorruptedBytes()
{
    const QByteArray good = clipFile(QSize(13, 6), 4, Encoding::Rle8, Pattern::Random);
    QRandomGenerator random(20240607);
    for (int round = 0; round < 3000; ++round) {
        QByteArray damaged = good;
        const int flips = 1 + random.bounded(4);
        for (int i = 0; i < flips; ++i)
            damaged[random.bounded(damaged.size())] = char(random.bounded(256));
        QString error;
        const std::optional<Clip> clip = ClipReader::read(damaged, &error);
        if (!clip) {
            QVERIFY(!error.isEmpty());
            continue;
        }
        QVERIFY(!clip->frames.isEmpty());
        for (const QImage &frame : clip->frames)
            QCOMPARE(frame.size(), clip->frames.first().size());
    }
}

void TestClipReader::readsShippedClip()
{
    QString error;
    const std::optional<Clip> clip =
        ClipReader::readFile(QStringLiteral(TAVROLIN_SOURCE_DIR "/data/FileCopy.avi"), &error);

    QVERIFY2(clip, qPrintable(error));
    QCOMPARE(clip->frames.size(), 16);
    QCOMPARE(clip->frames.first().size(), QSize(200, 32));
    QCOMPARE(clip->microsecondsPerFrame, 66667u);
    // The background is light, and the animation moves: consecutive frames differ.
    QCOMPARE(clip->frames.first().pixel(0, 0), qRgb(0xf0, 0xf0, 0xf0));
    for (qsizetype i = 1; i < clip->frames.size(); ++i)
        QVERIFY(clip->frames[i] != clip->frames[i - 1]);
}

void TestClipReader::namesTheFileInErrors()
{
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("damaged.avi"));
    QFile file(damaged);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(clipFile(QSize(4, 4), 2, Encoding::Rle8).first(100));
    file.close();

    QString error;
    QVERIFY(!ClipReader::readFile(damaged, &error));
    QVERIFY2(error.startsWith(QStringLiteral("damaged.avi: ")), qPrintable(error));
    QVERIFY(!ClipReader::readFile(dir.filePath(QStringLiteral("missing.avi")), &error));
    QVERIFY2(error.startsWith(QStringLiteral("missing.avi: ")), qPrintable(error));
}

QTEST_GUILESS_MAIN(TestClipReader)
#include "test_clipreader.moc"
