#include "core/ansicodec.h"
#include "core/iniread.h"
#include "support/testfiles.h"

#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

class TestIniRead : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void byteOrderMarks_data();
    void byteOrderMarks();
    void longValuesAreCut_data();
    void longValuesAreCut();
    void missingFileGivesEmptyText();
    void fileIsReadAfreshAtEveryCall();

private:
    QString writeSettings(const QByteArray &bytes);

    QTemporaryDir m_dir;
    int m_files = 0;
};

QString TestIniRead::writeSettings(const QByteArray &bytes)
{
    const QString path = m_dir.filePath(u"settings%1.ini"_s.arg(++m_files));
    test::writeBytes(path, bytes);
    return path;
}

// Each row: the file's text (stored in code page 932), the section and key looked up, and the
// value the platform's reader gives.
void TestIniRead::lookup_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    const QString layers = u"[shugo]\r\nname=レイヤー,図面\r\n[レイヤー]\r\ntype=0,L13\r\n"_s;
    QTest::newRow("plain value") << layers << u"shugo"_s << u"name"_s << u"レイヤー,図面"_s;
    QTest::newRow("Japanese section") << layers << u"レイヤー"_s << u"type"_s << u"0,L13"_s;
    QTest::newRow("section and key in another case")
        << u"[Shugo]\nNAME=x\n"_s << u"sHUGO"_s << u"name"_s << u"x"_s;
    QTest::newRow("full-width letters match in another case")
        << u"[ＡＢ]\nname=x\n"_s << u"ａｂ"_s << u"name"_s << u"x"_s;
    QTest::newRow("blanks around names and value")
        << u"  [  shugo  ]  \n\t name \t=  a b  \n"_s << u"shugo"_s << u"name"_s << u"a b"_s;
    QTest::newRow("blanks around the looked-up names")
        << u"[shugo]\nname=x\n"_s << u" shugo "_s << u"\tname "_s << u"x"_s;
    QTest::newRow("full-width space is not a blank")
        << u"[s]\nname=\u3000a\u3000\n"_s << u"s"_s << u"name"_s << u"\u3000a\u3000"_s;
    QTest::newRow("double quotes removed, inner blanks kept")
        << u"[s]\nname=\" a,b \"\n"_s << u"s"_s << u"name"_s << u" a,b "_s;
    QTest::newRow("single quotes removed") << u"[s]\nname='x'\n"_s << u"s"_s << u"name"_s << u"x"_s;
    QTest::newRow("mismatched quotes stay")
        << u"[s]\nname=\"x'\n"_s << u"s"_s << u"name"_s << u"\"x'"_s;
    QTest::newRow("a lone quote stays") << u"[s]\nname=\"\n"_s << u"s"_s << u"name"_s << u"\""_s;
    QTest::newRow("first key wins") << u"[s]\nname=1\nname=2\n"_s << u"s"_s << u"name"_s << u"1"_s;
    QTest::newRow("first section wins")
        << u"[s]\nname=1\n[t]\n[s]\nname=2\ntype=3\n"_s << u"s"_s << u"name"_s << u"1"_s;
    QTest::newRow("keys of a later section of the same name are not found")
        << u"[s]\nname=1\n[s]\ntype=3\n"_s << u"s"_s << u"type"_s << QString();
    QTest::newRow("key of another section is not found")
        << u"[s]\nname=1\n[t]\ntype=3\n"_s << u"s"_s << u"type"_s << QString();
    QTest::newRow("comment lines are not keys")
        << u"; note\n[s]\n;name=1\nname=2\n"_s << u"s"_s << u"name"_s << u"2"_s;
    QTest::newRow("no inline comments")
        << u"[s]\nname=a ; b\n"_s << u"s"_s << u"name"_s << u"a ; b"_s;
    QTest::newRow("value keeps later equals signs")
        << u"[s]\nname=a=b\n"_s << u"s"_s << u"name"_s << u"a=b"_s;
    QTest::newRow("empty value") << u"[s]\nname=\n"_s << u"s"_s << u"name"_s << QString();
    QTest::newRow("missing key") << u"[s]\ntype=1\n"_s << u"s"_s << u"name"_s << QString();
    QTest::newRow("missing section") << u"[s]\nname=1\n"_s << u"t"_s << u"name"_s << QString();
    QTest::newRow("key without equals sign hides a later one")
        << u"[s]\nname\nname=2\n"_s << u"s"_s << u"name"_s << QString();
    QTest::newRow("empty section name finds nothing")
        << u"name=0\n[s]\nname=1\n"_s << QString() << u"name"_s << QString();
    QTest::newRow("empty key finds nothing") << u"[s]\n=1\n"_s << u"s"_s << QString() << QString();
    QTest::newRow("header without closing bracket is a key line")
        << u"[s]\n[t\nname=1\n"_s << u"s"_s << u"name"_s << u"1"_s;
    QTest::newRow("closing bracket as second byte of a character")
        << u"[a‐b]\nname=1\n"_s << u"a‐b"_s << u"name"_s << u"1"_s;
    QTest::newRow("long vowel mark, whose second byte is an opening bracket")
        << u"[ー]\nname=1\n"_s << u"ー"_s << u"name"_s << u"1"_s;
    QTest::newRow("backslash as second byte of a character")
        << u"[表示]\nname=ソ\\x\n"_s << u"表示"_s << u"name"_s << u"ソ\\x"_s;
    QTest::newRow("wave-dash section of the dated save-as form")
        << u"[日付-1～xの形式]\nname=終了\n"_s << u"日付-1～xの形式"_s << u"name"_s << u"終了"_s;
    QTest::newRow("a character the code page lacks takes part as '?'")
        << u"[a?b]\nname=1\n"_s << u"a\u301Cb"_s << u"name"_s << u"1"_s;
    QTest::newRow("LF line ends") << u"[s]\nname=1\n"_s << u"s"_s << u"name"_s << u"1"_s;
    QTest::newRow("CR line ends") << u"[s]\rname=1\r"_s << u"s"_s << u"name"_s << u"1"_s;
    QTest::newRow("no final line end") << u"[s]\r\nname=1"_s << u"s"_s << u"name"_s << u"1"_s;
    QTest::newRow("empty lines") << u"\r\n\r\n[s]\r\n\r\nname=1\r\n"_s << u"s"_s << u"name"_s
                                 << u"1"_s;
}

void TestIniRead::lookup()
{
    QFETCH(QString, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QString path = writeSettings(ansi::encode(file));
    QCOMPARE(iniread(path, section, key), value);
}

void TestIniRead::byteOrderMarks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QString text = u"[レイヤー]\r\nname=色を変える,表示しない\r\n"_s;
    QTest::newRow("UTF-8") << "\xEF\xBB\xBF" + text.toUtf8();
    QByteArray le("\xFF\xFE");
    QByteArray be("\xFE\xFF");
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        le.append(static_cast<char>(unit & 0xFF)).append(static_cast<char>(unit >> 8));
        be.append(static_cast<char>(unit >> 8)).append(static_cast<char>(unit & 0xFF));
    }
    QTest::newRow("UTF-16 little-endian") << le;
    QTest::newRow("UTF-16 big-endian") << be;
    QTest::newRow("no mark: code page 932") << ansi::encode(text);
    QTest::newRow("no mark: UTF-8, as Notepad saves it") << text.toUtf8();
}

void TestIniRead::byteOrderMarks()
{
    QFETCH(QByteArray, bytes);
    const QString path = writeSettings(bytes);
    QCOMPARE(iniread(path, u"レイヤー"_s, u"name"_s), u"色を変える,表示しない"_s);
}

// Values are cut to 1023 bytes of the code page, never inside a double-byte character.
void TestIniRead::longValuesAreCut_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("utf8");
    const QString a1023(1023, u'a');
    for (const bool utf8 : {false, true}) {
        const char *file = utf8 ? " (UTF-8 file)" : " (code page 932 file)";
        QTest::addRow("1023 bytes stay whole%s", file) << a1023 << a1023 << utf8;
        QTest::addRow("1024 bytes lose the last%s", file) << a1023 + u'b' << a1023 << utf8;
        QTest::addRow("character across the limit is dropped whole%s", file)
            << QString(1022, u'a') + u"図面"_s << QString(1022, u'a') << utf8;
        QTest::addRow("character ending at the limit stays%s", file)
            << QString(1021, u'a') + u"図面"_s << QString(1021, u'a') + u"図"_s << utf8;
    }
}

void TestIniRead::longValuesAreCut()
{
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QFETCH(bool, utf8);
    const QString text = u"[s]\r\nname="_s + value + u"\r\n"_s;
    const QString path =
        writeSettings(utf8 ? QByteArray("\xEF\xBB\xBF") + text.toUtf8() : ansi::encode(text));
    QCOMPARE(iniread(path, u"s"_s, u"name"_s), expected);
}

void TestIniRead::missingFileGivesEmptyText()
{
    QCOMPARE(iniread(m_dir.filePath(u"none.ini"_s), u"s"_s, u"name"_s), QString());
    QCOMPARE(iniread(m_dir.path(), u"s"_s, u"name"_s), QString());
    // Neither blocks on a FIFO nor runs out of memory on an endless device.
    if (test::makeFifo(m_dir.filePath(u"fifo.ini"_s))) {
        QCOMPARE(iniread(m_dir.filePath(u"fifo.ini"_s), u"s"_s, u"name"_s), QString());
        QCOMPARE(iniread(u"/dev/zero"_s, u"s"_s, u"name"_s), QString());
    }
}

void TestIniRead::fileIsReadAfreshAtEveryCall()
{
    const QString path = writeSettings("[s]\nname=1\n");
    QCOMPARE(iniread(path, u"s"_s, u"name"_s), u"1"_s);
    test::writeBytes(path, "[s]\nname=2\n");
    QCOMPARE(iniread(path, u"s"_s, u"name"_s), u"2"_s);
}

QTEST_APPLESS_MAIN(TestIniRead)
#include "test_iniread.moc"
