#include "core/settingslookup.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

class TestSettingsLookup : public QObject
{
    Q_OBJECT

private slots:
    void split_data();
    void split();
    void splitRecordsCommaPositions();
    void splitLeavesEntryTenEmptyAndIsBounded();
    void listclearEmptiesEverything();
    void lookupReadsTheSettingsFileEachTime();
};

void TestSettingsLookup::split_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<int>("datacount");

    QTest::newRow("three values") << u"x,y,z"_s << QStringList{u"x"_s, u"y"_s, u"z"_s} << 3;
    QTest::newRow("empty text is one empty value") << QString() << QStringList{QString()} << 1;
    QTest::newRow("doubled comma") << u"a,,b"_s << QStringList{u"a"_s, QString(), u"b"_s} << 3;
    QTest::newRow("trailing comma") << u"a,"_s << QStringList{u"a"_s, QString()} << 2;
    QTest::newRow("leading comma") << u",a"_s << QStringList{QString(), u"a"_s} << 2;
    QTest::newRow("blanks are kept") << u" a, b"_s << QStringList{u" a"_s, u" b"_s} << 2;
    QTest::newRow("exactly ten values")
        << u"a,b,c,d,e,f,g,h,i,j"_s << u"a,b,c,d,e,f,g,h,i,j"_s.split(u',') << 10;
    QTest::newRow("eleven values: the rest is dropped, count 11")
        << u"a,b,c,d,e,f,g,h,i,j,k,l"_s << u"a,b,c,d,e,f,g,h,i,j"_s.split(u',') << 11;
    QTest::newRow("ten commas exactly")
        << u"a,b,c,d,e,f,g,h,i,j,"_s << u"a,b,c,d,e,f,g,h,i,j"_s.split(u',') << 11;
    QTest::newRow("last value cut to 20 characters")
        << u"x,123456789012345678901234"_s << QStringList{u"x"_s, u"12345678901234567890"_s} << 2;
    QTest::newRow("earlier values stay whole")
        << u"123456789012345678901234,x"_s << QStringList{u"123456789012345678901234"_s, u"x"_s}
        << 2;
    QTest::newRow("Japanese characters count one each")
        << u"日付-1～xの形式日付-1～xの形式日付-1～x"_s
        << QStringList{u"日付-1～xの形式日付-1～xの形式日付"_s} << 1;
}

void TestSettingsLookup::split()
{
    QFETCH(QString, text);
    QFETCH(QStringList, values);
    QFETCH(int, datacount);
    SettingsLookup lookup(QString{});
    lookup.listdata.fill(u"stale"_s);
    lookup.inidataset(text);
    QCOMPARE(lookup.datacount, datacount);
    for (int i = 0; i < SettingsLookup::kMaxValues; ++i)
        QCOMPARE(lookup.listdata[i], i < values.size() ? values[i] : QString());
}

void TestSettingsLookup::splitRecordsCommaPositions()
{
    SettingsLookup lookup(QString{});
    lookup.commapos.fill(99);
    lookup.inidataset(u"ab,,c"_s);
    const std::array<int, 11> expected{0, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0};
    QCOMPARE(lookup.commapos, expected);
}

void TestSettingsLookup::splitLeavesEntryTenEmptyAndIsBounded()
{
    SettingsLookup lookup(QString{});
    lookup.listdata[10] = QString();
    lookup.inidataset(u"1,2,3,4,5,6,7,8,9,10,11,12,13"_s);
    QCOMPARE(lookup.datacount, 11);
    QVERIFY(lookup.listdata[10].isEmpty());
    QCOMPARE(lookup.lastFilledEntry(), 10);
    lookup.inidataset(u"1,2"_s);
    QCOMPARE(lookup.lastFilledEntry(), 2);
}

void TestSettingsLookup::listclearEmptiesEverything()
{
    SettingsLookup lookup(QString{});
    lookup.inidata = u"a,b"_s;
    lookup.inidataset(lookup.inidata);
    lookup.listdata[10] = u"x"_s;
    lookup.listclear();
    QVERIFY(lookup.inidata.isEmpty());
    for (const QString &entry : lookup.listdata)
        QVERIFY(entry.isEmpty());
    for (const int position : lookup.commapos)
        QCOMPARE(position, 0);
}

void TestSettingsLookup::lookupReadsTheSettingsFileEachTime()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tavrolin.ini"_s);
    test::writeAnsi(path, u"[shugo]\r\nname=レイヤー,図面\r\n"_s);
    SettingsLookup lookup(path);
    lookup.inidatainput(u"shugo"_s, u"name"_s);
    QCOMPARE(lookup.inidata, u"レイヤー,図面"_s);
    test::writeAnsi(path, u"[shugo]\r\nname=図面\r\n"_s);
    lookup.inidatainput(u"shugo"_s, u"name"_s);
    QCOMPARE(lookup.inidata, u"図面"_s);
    lookup.inidatainput(u"none"_s, u"name"_s);
    QCOMPARE(lookup.inidata, QString());
}

QTEST_APPLESS_MAIN(TestSettingsLookup)
#include "test_settingslookup.moc"
