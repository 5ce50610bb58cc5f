#include "core/ansicodec.h"
#include "core/cp932table.h"

#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

class TestAnsiCodec : public QObject
{
    Q_OBJECT

private slots:
    void mapping_data();
    void mapping();
    void unrepresentable_data();
    void unrepresentable();
    void windowsPrefersOneCodeForDuplicates_data();
    void windowsPrefersOneCodeForDuplicates();
    void malformedBytesDecodeToDefaultCharacter_data();
    void malformedBytesDecodeToDefaultCharacter();
    void everyCharacterRoundTrips();
    void leadBytes();
};

// Byte sequences and the character Microsoft's code page 932 gives them, both ways.
void TestAnsiCodec::mapping_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("backslash is 5C, not the yen sign") << QByteArray("\\") << u"\\"_s;
    QTest::newRow("tilde is 7E, not the overline") << QByteArray("~") << u"~"_s;
    QTest::newRow("81 60 is the fullwidth tilde, not the wave dash")
        << QByteArray("\x81\x60") << u"\uFF5E"_s;
    QTest::newRow("81 5F is the fullwidth reverse solidus")
        << QByteArray("\x81\x5F") << u"\uFF3C"_s;
    QTest::newRow("81 7C is the fullwidth hyphen-minus") << QByteArray("\x81\x7C") << u"\uFF0D"_s;
    QTest::newRow("half-width katakana") << QByteArray("\xB1\xDF") << u"\uFF71\uFF9F"_s;
    QTest::newRow("NEC row 13") << QByteArray("\x87\x40") << u"\u2460"_s;
    QTest::newRow("IBM extension") << QByteArray("\xFA\x55") << u"\uFFE4"_s;
    QTest::newRow("user-defined area") << QByteArray("\xF0\x40\xF9\xFC") << u"\uE000\uE757"_s;
    QTest::newRow("single bytes outside the table")
        << QByteArray("\x80\xA0\xFD\xFE\xFF") << u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3"_s;
    QTest::newRow("NUL") << QByteArray("a\0b", 3)
                         << QString(reinterpret_cast<const QChar *>(u"a\0b"), 3);
    QTest::newRow("wave-dash name of the dated save-as form")
        << QByteArray("\x93\xfa\x95\x74-1\x81\x60x\x82\xcc\x8c\x60\x8e\xae")
        << u"日付-1～xの形式"_s;
}

void TestAnsiCodec::mapping()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(ansi::decode(bytes), text);
    qsizetype lost = 0;
    QCOMPARE(ansi::encode(text, &lost), bytes);
    QCOMPARE(lost, 0);
}

// Characters without a code become '?', one per character, and are counted.
void TestAnsiCodec::unrepresentable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("lost");
    QTest::newRow("wave dash") << u"1\u301Cx"_s << QByteArray("1?x") << 1;
    QTest::newRow("yen sign stays out of paths") << u"C:\u00A5a"_s << QByteArray("C:?a") << 1;
    QTest::newRow("accented letter and euro") << u"\u00E9\u20AC"_s << QByteArray("??") << 2;
    QTest::newRow("minus sign and double vertical line")
        << u"\u2212\u2016"_s << QByteArray("??") << 2;
    QTest::newRow("surrogate pair is one character") << u"a\U0001F600b"_s << QByteArray("a?b") << 1;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?") << 1;
}

void TestAnsiCodec::unrepresentable()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(int, lost);
    qsizetype counted = 0;
    QCOMPARE(ansi::encode(text, &counted), bytes);
    QCOMPARE(counted, lost);
    QVERIFY(!ansi::canEncode(text));
}

void TestAnsiCodec::windowsPrefersOneCodeForDuplicates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("JIS row before NEC row 13") << u"\u2252"_s << QByteArray("\x81\xE0");
    QTest::newRow("JIS row before NEC and IBM") << u"\uFFE2"_s << QByteArray("\x81\xCA");
    QTest::newRow("NEC row 13 before IBM") << u"\u2160"_s << QByteArray("\x87\x54");
    QTest::newRow("IBM before NEC-selected: small roman numeral")
        << u"\u2170"_s << QByteArray("\xFA\x40");
    QTest::newRow("IBM before NEC-selected: kanji") << u"\u7E8A"_s << QByteArray("\xFA\x5C");
    QTest::newRow("IBM before NEC-selected: kanji 2") << u"\u891C"_s << QByteArray("\xFA\x5D");
}

void TestAnsiCodec::windowsPrefersOneCodeForDuplicates()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(ansi::encode(text), bytes);
}

void TestAnsiCodec::malformedBytesDecodeToDefaultCharacter_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("lead byte at the end") << QByteArray("a\x82") << u"a\u30FB"_s;
    QTest::newRow("pair without a character") << QByteArray("\x85\x40z") << u"\u30FBz"_s;
#ifndef Q_OS_WIN
    // Whether a lead byte takes a byte that cannot follow it along into the default character
    // is not documented for Windows' own conversion (wine takes it); the table decoder keeps it.
    QTest::newRow("lead byte before an ASCII control") << QByteArray("\x82\r\n") << u"\u30FB\r\n"_s;
    QTest::newRow("lead byte before 7F") << QByteArray("\x82\x7F") << u"\u30FB\u007F"_s;
#endif
}

void TestAnsiCodec::malformedBytesDecodeToDefaultCharacter()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(ansi::decode(bytes), text);
}

// Every character of the table encodes to a code that decodes to the same character.
void TestAnsiCodec::everyCharacterRoundTrips()
{
    int characters = 0;
    for (int index = 0; index < cp932::kLeadCount; ++index) {
        for (int trail = cp932::kTrailFirst; trail <= cp932::kTrailLast; ++trail) {
            const char16_t unit = cp932::kDoubleByte[index][trail - cp932::kTrailFirst];
            if (unit == 0)
                continue;
            const QString text(QChar{unit});
            const QByteArray bytes = ansi::encode(text);
            QCOMPARE(bytes.size(), 2);
            QCOMPARE(ansi::decode(bytes), text);
            ++characters;
        }
    }
    QVERIFY2(characters > 9000, "the table holds the NEC, IBM and user-defined rows");
}

void TestAnsiCodec::leadBytes()
{
    QVERIFY(ansi::isLeadByte(0x81));
    QVERIFY(ansi::isLeadByte(0x9F));
    QVERIFY(ansi::isLeadByte(0xE0));
    QVERIFY(ansi::isLeadByte(0xFC));
    QVERIFY(!ansi::isLeadByte(0x80));
    QVERIFY(!ansi::isLeadByte(0xA0));
    QVERIFY(!ansi::isLeadByte(0xB1));
    QVERIFY(!ansi::isLeadByte(0xFD));
    QVERIFY(!ansi::isLeadByte('['));
}

QTEST_APPLESS_MAIN(TestAnsiCodec)
#include "test_ansicodec.moc"
