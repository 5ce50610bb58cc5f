#include "core/clock.h"
#include "core/session.h"
#include "core/settingslookup.h"
#include "generation/commandlinebuilder.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// One purpose type per keyword form, plus the DXF sections with their command texts.
const QString kSettings = uR"([色を変える]
type=c
[線の太さ]
type=lw
[線種]
type=l
[表示しない]
type=off
[表示する]
type=on
[フリーズ]
type=f
[ロック]
type=lo
[ロック解除]
type=u
[作成]
type=m
[上書き保存]
type=qsave
[DWG保存]
type=asdwg
[名前を付けて保存]
type=saveas
[ズーム]
type=zoom
[大文字]
type=QSAVE
[DXF(2000)で保存する]
type=dxf
type2=.saveas dxf v 2000
[DXF(R12)で保存する]
type=dxf
[DXF(R9)で保存する]
type=dxf
type2=never
)"_s;

} // namespace

class TestCommandLineBuilder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void lineForms_data();
    void lineForms();
    void saveAsNamesFollowEachDrawing();
    void pathsWithBlanksAreQuoted();
    void rowsWithoutAFormKeepTheirLines_data();
    void rowsWithoutAFormKeepTheirLines();
    void commaStaysInItsCell();
    void dateStampIsTwoDigitYearMonthDay();

private:
    bool build(const QString &summary, int row = 0);
    QString lineOf(int row, int drawing) const { return m_lines->form(row).line(drawing); }

    QTemporaryDir m_dir;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<SettingsLookup> m_lookup;
    std::unique_ptr<RowLines> m_lines;
    std::unique_ptr<CommandLineBuilder> m_builder;
};

void TestCommandLineBuilder::initTestCase()
{
    test::writeAnsi(m_dir.filePath(u"tavrolin.ini"_s), kSettings);
    setClock(std::make_unique<FixedClock>(QDateTime(QDate(2001, 12, 31), QTime(15, 0, 16))));
}

void TestCommandLineBuilder::init()
{
    m_session = std::make_unique<Session>();
    const QStringList paths{u"C:\\a\\p1.dwg"_s, u"C:\\w\\b.dwg"_s, u"D:\\x\\plan\\c.dxf"_s};
    for (const QString &path : paths)
        m_session->DrawingPaths[m_session->DrawingCount++] = path;
    m_lookup = std::make_unique<SettingsLookup>(m_dir.filePath(u"tavrolin.ini"_s));
    m_lines = std::make_unique<RowLines>();
    m_builder = std::make_unique<CommandLineBuilder>(*m_session, *m_lookup, *m_lines);
}

// Builds a row from its five cell texts, written as they are joined by commas.
bool TestCommandLineBuilder::build(const QString &summary, int row)
{
    const QStringList texts = summary.split(u',');
    GridRow cells;
    std::copy(texts.begin(), texts.end(), cells.begin());
    return m_builder->scrmakefile(cells, row);
}

// The line every drawing gets for a row: subject type, subject name, purpose type, purpose name
// and action of the row, and the line expected, blanks exact.
void TestCommandLineBuilder::lineForms_data()
{
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("line");
    QTest::newRow("c") << u"レイヤー,L13,色を変える,1,終了"_s << u"-layer c 1 L13 "_s;
    QTest::newRow("lw") << u"レイヤー,壁,線の太さ,0.30,終了"_s << u"-layer lw 0.30 壁 "_s;
    QTest::newRow("l") << u"レイヤー,0,線種,DASHED,終了"_s << u"-layer l DASHED 0 "_s;
    QTest::newRow("off") << u"レイヤー,L13,表示しない,終了,終了"_s << u"-layer of L13 "_s;
    QTest::newRow("on") << u"レイヤー,L13,表示する,終了,終了"_s << u"-layer on L13 "_s;
    QTest::newRow("f") << u"レイヤー,L13,フリーズ,終了,終了"_s << u"-layer f L13 "_s;
    QTest::newRow("lo") << u"レイヤー,L13,ロック,終了,終了"_s << u"-layer lo L13 "_s;
    QTest::newRow("u") << u"レイヤー,L13,ロック解除,終了,終了"_s << u"-layer u L13 "_s;
    QTest::newRow("m") << u"レイヤー,すべて,作成,寸法,終了"_s << u"-layer m 寸法 "_s;
    QTest::newRow("qsave") << u"図面,すべて,上書き保存,終了,終了"_s << u".qsave "_s;
    QTest::newRow("asdwg") << u"図面,すべて,DWG保存,終了,終了"_s << u".qsave  "_s;
    QTest::newRow("zoom extents") << u"図面,すべて,ズーム,オブジェクト範囲で,終了"_s
                                  << u".zoom e"_s;
    QTest::newRow("zoom by a scale")
        << u"図面,すべて,ズーム,倍率を決めて,0.5x"_s << u".zoom s 0.5x"_s;
    QTest::newRow("zoom scale cut to 20 characters")
        << u"図面,すべて,ズーム,倍率を決めて,123456789012345678901234"_s
        << u".zoom s 12345678901234567890"_s;
    QTest::newRow("dxf with its command text")
        << u"図面,すべて,DXF(2000)で保存する,終了,終了"_s << u".saveas dxf v 2000  "_s;
    QTest::newRow("dxf without type2 gives two blanks")
        << u"図面,すべて,DXF(R12)で保存する,終了,終了"_s << u"  "_s;
    QTest::newRow("blanks in cells pass unchanged")
        << u"レイヤー,a b,表示しない,終了,終了"_s << u"-layer of a b "_s;
}

void TestCommandLineBuilder::lineForms()
{
    QFETCH(QString, summary);
    QFETCH(QString, line);
    QVERIFY(build(summary, 5));
    for (int d = 0; d < m_session->DrawingCount; ++d)
        QCOMPARE(lineOf(5, d), line);
}

void TestCommandLineBuilder::saveAsNamesFollowEachDrawing()
{
    build(u"図面,すべて,名前を付けて保存,日付-1～xの形式,終了"_s);
    QCOMPARE(lineOf(0, 0), u".saveas  C:\\a\\011231-1.dwg"_s);
    QCOMPARE(lineOf(0, 1), u".saveas  C:\\w\\011231-2.dwg"_s);
    QCOMPARE(lineOf(0, 2), u".saveas  D:\\x\\plan\\011231-3.dwg"_s);

    build(u"図面,すべて,名前を付けて保存,1～xの形式,終了"_s, 1);
    QCOMPARE(lineOf(1, 0), u".saveas  C:\\a\\1.dwg"_s);
    QCOMPARE(lineOf(1, 2), u".saveas  D:\\x\\plan\\3.dwg"_s);
}

// A blank in a script is an Enter, so paths with blanks go in double quotes.
void TestCommandLineBuilder::pathsWithBlanksAreQuoted()
{
    m_session->DrawingPaths[1] = u"C:\\My Drawings\\b.dwg"_s;
    build(u"図面,すべて,名前を付けて保存,日付-1～xの形式,終了"_s);
    QCOMPARE(lineOf(0, 1), u".saveas  \"C:\\My Drawings\\011231-2.dwg\""_s);
    QCOMPARE(lineOf(0, 0), u".saveas  C:\\a\\011231-1.dwg"_s);
}

void TestCommandLineBuilder::rowsWithoutAFormKeepTheirLines_data()
{
    QTest::addColumn<QString>("summary");
    QTest::newRow("keyword in another letter case") << u"図面,すべて,大文字,終了,終了"_s;
    QTest::newRow("purpose type without a keyword") << u"図面,すべて,未定義,終了,終了"_s;
    QTest::newRow("save-as with an unknown name form") << u"図面,すべて,名前を付けて保存,x,y"_s;
    QTest::newRow("zoom with an unknown purpose name") << u"図面,すべて,ズーム,x,y"_s;
    QTest::newRow("dxf of an unknown version") << u"図面,すべて,DXF(R9)で保存する,終了,終了"_s;
}

void TestCommandLineBuilder::rowsWithoutAFormKeepTheirLines()
{
    QFETCH(QString, summary);
    m_lines->form(2) = RowForm::fixed(u"earlier"_s);
    QVERIFY(!build(summary, 2));
    QCOMPARE(lineOf(2, 1), u"earlier"_s);
}

// A comma typed into a cell stays in its cell: a list of layer names, as -LAYER takes it.
void TestCommandLineBuilder::commaStaysInItsCell()
{
    QVERIFY(m_builder->scrmakefile({u"レイヤー"_s, u"L13,X"_s, u"色を変える"_s, u"緑"_s, u"終了"_s},
                                   0));
    QCOMPARE(lineOf(0, 0), u"-layer c 緑 L13,X "_s);
}

void TestCommandLineBuilder::dateStampIsTwoDigitYearMonthDay()
{
    QCOMPARE(m_builder->getdate(), u"011231"_s);
    setClock(std::make_unique<FixedClock>(QDateTime(QDate(2001, 12, 31), QTime(23, 59, 59, 999))));
    QCOMPARE(m_builder->getdate(), u"011231"_s);
    setClock(std::make_unique<FixedClock>(QDateTime(QDate(2002, 1, 1), QTime(0, 0))));
    QCOMPARE(m_builder->getdate(), u"020101"_s);
    setClock(std::make_unique<FixedClock>(QDateTime(QDate(1999, 3, 4), QTime(12, 0))));
    QCOMPARE(m_builder->getdate(), u"990304"_s);
    setClock(std::make_unique<FixedClock>(QDateTime(QDate(2001, 12, 31), QTime(15, 0, 16))));
}

QTEST_APPLESS_MAIN(TestCommandLineBuilder)
#include "test_commandlinebuilder.moc"
