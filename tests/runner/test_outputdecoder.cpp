#include "core/ansicodec.h"
#include "runner/outputdecoder.h"

#include <QStringEncoder>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

QByteArray utf16(const QString &text)
{
    return QStringEncoder(QStringEncoder::Utf16LE)(text);
}

} // namespace

// The console's output decoded as it arrives, in pieces cut anywhere.
class TestOutputDecoder : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
};

void TestOutputDecoder::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QString mixed = u"コマンド: .qsave \r\n保存しました: C:\\図面\\a.dwg\r\n"_s;
    const QString japanese = u"図面　一覧"_s.repeated(40); // U+3000 puts zeros at even places
    QTest::newRow("UTF-16LE") << utf16(mixed) << mixed;
    QTest::newRow("UTF-16LE with a byte-order mark")
        << QByteArray("\xff\xfe") + utf16(mixed) << mixed;
    QTest::newRow("UTF-16LE of mostly Japanese")
        << utf16(u"a\r\n"_s + japanese) << u"a\r\n"_s + japanese;
    QTest::newRow("the ANSI code page") << ansi::encode(mixed.repeated(8)) << mixed.repeated(8);
    QTest::newRow("short ASCII output") << QByteArray("ok\r\n") << u"ok\r\n"_s;
    QTest::newRow("no output") << QByteArray() << QString();
}

// Whole, and cut into pieces of every length from 1 to 7 bytes, so that characters split.
void TestOutputDecoder::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    for (qsizetype piece = 1; piece <= 7; ++piece) {
        OutputDecoder decoder;
        QString decoded;
        for (qsizetype at = 0; at < bytes.size(); at += piece)
            decoded +=
                decoder.decode(QByteArrayView(bytes).sliced(at, qMin(piece, bytes.size() - at)));
        decoded += decoder.finish();
        QCOMPARE(decoded, text);
    }
    OutputDecoder whole;
    const QString decoded = whole.decode(bytes);
    QCOMPARE(decoded + whole.finish(), text);
}

QTEST_GUILESS_MAIN(TestOutputDecoder)
#include "test_outputdecoder.moc"
