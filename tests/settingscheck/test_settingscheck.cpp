#include "core/ansicodec.h"
#include "settingscheck/settingscheck.h"
#include "settingscheck/settingsfile.h"
#include "support/testfiles.h"

#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// A small settings file with nothing to find; the rows below change or extend it. Its lines:
// 1 [shugo], 2 name, 3 [aplicationname], 4 name, 5 [レイヤー], 6 type, 7 name, 8 [表示しない],
// 9 name, 10 type.
const QString kClean = uR"([shugo]
name=レイヤー
[aplicationname]
name=AutoCAD
[レイヤー]
type=0,L13
name=表示しない
[表示しない]
name=終了
type=off
)"_s;

QString changed(const QString &from, const QString &to)
{
    return QString(kClean).replace(from, to);
}

// A purpose type of the small file, with its own section appended after line 10.
QString withPurposeType(const QString &name, const QString &section)
{
    return changed(u"name=表示しない"_s, u"name=表示しない,"_s + name) + section;
}

// Each finding's line starts with the expected text.
void compareFindings(const QByteArray &bytes, const QStringList &expected)
{
    const SettingsFindings findings = checkSettings(SettingsFile::fromBytes(bytes));
    QStringList texts;
    for (const SettingsFinding &finding : findings)
        texts.append(finding.text());
    QVERIFY2(texts.size() == expected.size(), qPrintable(texts.join(u'\n')));
    for (qsizetype i = 0; i < texts.size(); ++i)
        QVERIFY2(texts[i].startsWith(expected[i]), qPrintable(texts[i]));
}

} // namespace

class TestSettingsCheck : public QObject
{
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
    void storage_data();
    void storage();
    void shippedFilePasses();
};

// Each row: the file (written in code page 932) and what is found, as the start of each
// finding's line: line number, section and key, then a telling part of the message.
void TestSettingsCheck::rules_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("expected");

    const QString longList = u"a,b,c,d,e,f,g,h,i,j,k,l"_s;
    QTest::newRow("clean") << kClean << QStringList();
    QTest::newRow("line before the first section")
        << u"x=1\n"_s + kClean << QStringList{u"1行目 x: 最初のセクションより前"_s};
    QTest::newRow("no [shugo]: nothing else is unreached")
        << changed(u"[shugo]\nname=レイヤー\n"_s, QString())
        << QStringList{u"[shugo]: セクションがありません"_s};
    QTest::newRow("empty window titles")
        << changed(u"name=AutoCAD"_s, u"name="_s)
        << QStringList{u"4行目 [aplicationname] name: 終了ページの"_s};
    QTest::newRow("subject type without section")
        << changed(u"name=レイヤー"_s, u"name=レイヤー,設備"_s)
        << QStringList{u"2行目 [shugo] name: 主語の種類「設備」のセクションがありません"_s};
    QTest::newRow("subject type without purpose types")
        << changed(u"name=レイヤー"_s, u"name=レイヤー,設備"_s) + u"[設備]\ntype=空調\n"_s
        << QStringList{u"11行目 [設備] name: 目的の種類の一覧"_s};
    QTest::newRow("purpose type without section")
        << changed(u"name=表示しない"_s, u"name=表示しない,消す"_s)
        << QStringList{u"7行目 [レイヤー] name: 目的の種類「消す」のセクションがありません"_s};
    QTest::newRow("purpose type without keyword")
        << withPurposeType(u"消す"_s, u"[消す]\nname=終了\n"_s)
        << QStringList{u"11行目 [消す] type: コマンドキーワード（type=）がありません"_s};
    QTest::newRow("keyword in capitals")
        << changed(u"type=off"_s, u"type=Off"_s)
        << QStringList{u"10行目 [表示しない] type: コマンドキーワード「Off」は使えません"_s};
    QTest::newRow("DXF keyword under another name")
        << withPurposeType(u"DXF保存"_s, u"[DXF保存]\nname=終了\ntype=dxf\ntype2=.dxfout\n"_s)
        << QStringList{u"13行目 [DXF保存] type: キーワード dxf は"_s};
    QTest::newRow("DXF purpose type without its command")
        << withPurposeType(u"DXF(R12)で保存する"_s,
                           u"[DXF(R12)で保存する]\nname=終了\ntype=dxf\n"_s)
        << QStringList{u"11行目 [DXF(R12)で保存する] type2: DXF で保存するコマンド"_s};
    QTest::newRow("save-as name in no form")
        << withPurposeType(u"保存"_s, u"[保存]\nname=日付-1~xの形式,1～xの形式\ntype=saveas\n"_s)
        << QStringList{u"12行目 [保存] name: 目的の名前「日付-1~xの形式」はキーワード saveas"_s};
    QTest::newRow("zoom name in no form")
        << withPurposeType(u"ズーム"_s, u"[ズーム]\nname=全体\ntype=zoom\n"_s)
        << QStringList{u"12行目 [ズーム] name: 目的の名前「全体」はキーワード zoom"_s};
    QTest::newRow("more than ten values")
        << changed(u"type=0,L13"_s, u"type="_s + longList)
        << QStringList{
               u"6行目 [レイヤー] type: 値が 10 個を超えています。10 個目より後ろの「k,l」"_s};
    QTest::newRow("last value longer than twenty characters")
        << changed(u"type=0,L13"_s, u"type=0,一二三四五六七八九十一二三四五六七八九十超"_s)
        << QStringList{
               u"6行目 [レイヤー] type: 最後の値「一二三四五六七八九十一二三四五六七八九十超」"
               u"は 20 文字を超えるので「一二三四五六七八九十一二三四五六七八九十」"_s};
    QTest::newRow("empty values")
        << changed(u"type=0,L13"_s, u"type=0,,L13,"_s)
        << QStringList{u"6行目 [レイヤー] type: 2 番目の値が空です。一覧に空の行が出ます"_s,
                       u"6行目 [レイヤー] type: 4 番目の値が空です"_s};
    QTest::newRow("blanks around values")
        << changed(u"type=0,L13"_s, u"type=0 ,\u3000L13"_s)
        << QStringList{u"6行目 [レイヤー] type: 値「0 」の前後に空白"_s,
                       u"6行目 [レイヤー] type: 値「\u3000L13」の前後に空白"_s};
    QTest::newRow("value beyond the reader's limit")
        << changed(u"type=0,L13"_s, u"type=0,"_s + QString(600, u'長'))
        << QStringList{u"6行目 [レイヤー] type: 値が 1202 バイトあり、1023 バイトで切られます"_s,
                       u"6行目 [レイヤー] type: 最後の値"_s};
    QTest::newRow("second section and second key of a name")
        << kClean + u"[レイヤー]\ntype=x\n[表示しない]\nNAME=a\n"_s
        << QStringList{u"11行目 [レイヤー]: 同じ名前のセクションが 5 行目にあります"_s,
                       u"13行目 [表示しない]: 同じ名前のセクションが 8 行目にあります"_s};
    QTest::newRow("second key in the section read")
        << changed(u"type=off"_s, u"type=off\nName=終了,x"_s)
        << QStringList{u"11行目 [表示しない] Name: 同じキーが 9 行目にあります"_s};
    QTest::newRow("section no list leads to")
        << kClean + u"; comments are never keys\n[表示する]\nname=終了\ntype=on\n"_s
        << QStringList{u"12行目 [表示する]: どの一覧からもたどれないセクション"_s};
    QTest::newRow("full-width comma in a list")
        << changed(u"type=0,L13"_s, u"type=0,赤，黄"_s)
        << QStringList{u"6行目 [レイヤー] type: 値「赤，黄」に全角の「，」があります"_s};
    QTest::newRow("full-width equals sign")
        << changed(u"type=off"_s, u"type＝off"_s)
        << QStringList{u"8行目 [表示しない] type: コマンドキーワード（type=）がありません"_s,
                       u"10行目 [表示しない]: 「type＝off」の全角の「＝」は"_s};
    QTest::newRow("misspelt key, and so no purpose names")
        << changed(u"name=終了"_s, u"nmae=終了"_s)
        << QStringList{u"8行目 [表示しない] name: 目的の名前の一覧（name=）が空です"_s,
                       u"9行目 [表示しない] nmae: このキーは読まれません"_s};
    QTest::newRow("empty purpose names") << changed(u"name=終了"_s, u"name="_s)
                                         << QStringList{u"9行目 [表示しない] name: 目的の名前の"_s};
    QTest::newRow("line without an equals sign")
        << changed(u"type=off"_s, u"type=off\n赤,黄"_s)
        << QStringList{u"11行目 [表示しない]: 「赤,黄」には「=」がない"_s};
    QTest::newRow("section header in full-width brackets: that line itself")
        << changed(u"[表示しない]"_s, u"［表示しない］"_s)
        << QStringList{
               u"7行目 [レイヤー] name: 目的の種類「表示しない」のセクションがありません"_s,
               u"8行目 [レイヤー]: 「［表示しない］」はセクションの見出しになっていません"_s,
               u"9行目 [レイヤー] name: 同じキーが 7 行目"_s,
               u"10行目 [レイヤー] type: 同じキーが 6 行目"_s};
    QTest::newRow("purpose names starting with the end marker")
        << changed(u"name=終了"_s, u"name=終了,あとで"_s)
        << QStringList{u"9行目 [表示しない] name: 一覧が「終了」で始まる"_s};
    QTest::newRow("actions that end the row")
        << changed(u"name=終了"_s, u"name=赤"_s) + u"[赤]\nname=可,1,,2\n"_s
        << QStringList{u"12行目 [赤] name: 3 番目の値が空です。動作の一覧に空の値があると"_s,
                       u"12行目 [赤] name: 動作「可」がある"_s};
}

void TestSettingsCheck::rules()
{
    QFETCH(QString, file);
    QFETCH(QStringList, expected);
    compareFindings(ansi::encode(file), expected);
}

// Each row: the file's bytes and the findings' lines, in order.
void TestSettingsCheck::storage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("UTF-8 without a byte-order mark is read, and said so")
        << (u"; 設定\n"_s + changed(u"name=レイヤー"_s, u"name=レイヤー,設備"_s)).toUtf8()
        << QStringList{u"ファイルは UTF-8（BOM なし）で保存されています。UTF-8 として読みます"_s,
                       u"3行目 [shugo] name: 主語の種類「設備」のセクションがありません"_s};
    QTest::newRow("UTF-8 with a byte-order mark is read")
        << QByteArray("\xEF\xBB\xBF") + kClean.toUtf8() << QStringList();
    QTest::newRow("code page 932 behind the mark of UTF-8: that one finding")
        << QByteArray("\xEF\xBB\xBF") + ansi::encode(kClean)
        << QStringList{u"1行目: ファイルの先頭に UTF-8 の BOM がありますが"_s};
    QTest::newRow("characters code page 932 cannot write, an invisible U+FEFF too")
        << QByteArray("\xEF\xBB\xBF") + changed(u"0,L13"_s, u"0,L13,Ω€\uFEFF"_s).toUtf8()
        << QStringList{u"6行目: コードページ 932 で書けない文字「€\uFEFF」"_s};
    QTest::newRow("bytes that are no character, also a lone lead byte")
        << ansi::encode(kClean) + QByteArray("[x]\nname=\x85\x40\nname2=\x81\n; \x85\x40\n")
        << QStringList{u"11行目 [x]: どの一覧からも"_s,
                       u"12行目: コードページ 932 の文字でないバイト"_s,
                       u"13行目: コードページ 932 の文字でないバイト"_s};
}

void TestSettingsCheck::storage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    compareFindings(bytes, expected);
}

void TestSettingsCheck::shippedFilePasses()
{
    QString error;
    const auto file =
        SettingsFile::open(QStringLiteral(TAVROLIN_SOURCE_DIR "/data/tavrolin.ini"), &error);
    QVERIFY2(file, qPrintable(error));
    const SettingsFindings findings = checkSettings(*file);
    QVERIFY2(findings.isEmpty(), qPrintable(findings.value(0).text()));
}

QTEST_GUILESS_MAIN(TestSettingsCheck)
#include "test_settingscheck.moc"
