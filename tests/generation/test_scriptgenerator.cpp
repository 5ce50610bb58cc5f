#include "core/drawingpath.h"
#include "core/session.h"
#include "core/settingslookup.h"
#include "generation/generationview.h"
#include "generation/gridtexts.h"
#include "generation/scriptgenerator.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;
using Outcome = ScriptGenerator::Outcome;

namespace {

// Records what generation does to its page.
class RecordingView : public GenerationView
{
public:
    void setPageEnabled(bool enabled) override
    {
        events.append(enabled ? u"enable"_s : u"disable"_s);
    }
    void progprocess(int drawingno, int drawingCount) override
    {
        events.append(u"progress %1/%2"_s.arg(drawingno).arg(drawingCount));
    }
    void yieldToEventLoop() override { ++yields; }

    QStringList events;
    int yields = 0;
};

const QString kSettings = u"[表示しない]\ntype=off\n[上書き保存]\ntype=qsave\n"_s;

const QStringList kLayerOff{u"レイヤー"_s, u"L13"_s, u"表示しない"_s, u"終了"_s, u"終了"_s};
const QStringList kSave{u"図面"_s, u"すべて"_s, u"上書き保存"_s, u"終了"_s, u"終了"_s};

} // namespace

class TestScriptGenerator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void scriptRowCount_data();
    void scriptRowCount();
    void blocksFollowTheDrawingList();
    void twelveRowsMakeThirteenLinesPerBlock();
    void noDrawingsNoScript();
    void reportsProgressAndDisablesThePage();
    void rowZeroMustBeDescribed();
    void onlyAChangedGridRegenerates();
    void rowsAfterAnEmptyActionAreIgnored();
    void emptyRowZeroActionGeneratesNothing();
    void rowReachedOnlyByTheAssemblyLeavesAnEmptyLine();
    void aScriptTooLargeIsRefusedBeforeItIsBuilt();

private:
    void setRow(int row, const QStringList &cells);
    void setDrawings(const QStringList &paths);

    QTemporaryDir m_dir;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<SettingsLookup> m_lookup;
    GridTextTable m_grid;
    RecordingView m_view;
    std::unique_ptr<ScriptGenerator> m_generator;
};

void TestScriptGenerator::initTestCase()
{
    test::writeAnsi(m_dir.filePath(u"tavrolin.ini"_s), kSettings);
}

void TestScriptGenerator::init()
{
    m_session = std::make_unique<Session>();
    m_lookup = std::make_unique<SettingsLookup>(m_dir.filePath(u"tavrolin.ini"_s));
    m_grid = GridTextTable();
    m_view = RecordingView();
    m_generator = std::make_unique<ScriptGenerator>(*m_session, *m_lookup, m_grid, m_view);
    setDrawings({u"C:\\a\\p1.dwg"_s, u"C:\\a\\p2.dwg"_s});
}

void TestScriptGenerator::setRow(int row, const QStringList &cells)
{
    for (int column = 0; column < kGridColumns; ++column)
        m_grid.setCellText(row, column, column < cells.size() ? cells[column] : QString());
}

void TestScriptGenerator::setDrawings(const QStringList &paths)
{
    m_session->DrawingCount = 0;
    for (const QString &path : paths) {
        m_session->DrawingPaths[m_session->DrawingCount] = path;
        m_session->OpenCommands[m_session->DrawingCount++] = openCommand(path);
    }
}

// The rows with a filled subject type, as a string of 12 characters ('x' filled), and the
// number of rows that go into the script.
void TestScriptGenerator::scriptRowCount_data()
{
    QTest::addColumn<QString>("filled");
    QTest::addColumn<int>("rows");
    QTest::newRow("row 0 alone") << u"x..........."_s << 1;
    QTest::newRow("rows 0 and 4: rows 1 to 3 empty") << u"x...x......."_s << 1;
    QTest::newRow("rows 0 and 2, row 1 empty: none") << u"x.x........."_s << 0;
    QTest::newRow("rows 0 and 3, none") << u"x..x........"_s << 0;
    QTest::newRow("rows 0 and 1") << u"xx.........."_s << 2;
    QTest::newRow("rows 0, 1 and 3: none") << u"xx.x........"_s << 0;
    QTest::newRow("rows 0 to 2") << u"xxx........."_s << 3;
    QTest::newRow("rows 0 to 3, row 5: four") << u"xxxx.x......"_s << 4;
    QTest::newRow("rows 0 to 10") << u"xxxxxxxxxxx."_s << 11;
    QTest::newRow("all twelve") << u"xxxxxxxxxxxx"_s << 12;
    QTest::newRow("row 0 empty") << u".x.........."_s << 0;
}

void TestScriptGenerator::scriptRowCount()
{
    QFETCH(QString, filled);
    QFETCH(int, rows);
    for (int row = 0; row < kGridRows; ++row)
        m_grid.setCellText(row, SubjectType, filled[row] == u'x' ? u"s"_s : QString());
    QCOMPARE(ScriptAssembly::scriptRowCount(m_grid), rows);
}

void TestScriptGenerator::blocksFollowTheDrawingList()
{
    setRow(0, kLayerOff);
    setRow(1, kSave);
    QCOMPARE(m_generator->generateIfChanged(), Outcome::Rebuilt);
    const QString expected = u"\r\n.open C:\\a\\p1.dwg\r\n-layer of L13 \r\n.qsave "
                             u"\r\n.open C:\\a\\p2.dwg\r\n-layer of L13 \r\n.qsave "_s;
    QCOMPARE(m_session->ScriptText, expected);
    QCOMPARE(m_session->ScriptLines[1], u".open C:\\a\\p2.dwg\r\n-layer of L13 \r\n.qsave "_s);
    QCOMPARE(m_generator->assembly.scriptSize(), expected.size());
}

void TestScriptGenerator::twelveRowsMakeThirteenLinesPerBlock()
{
    for (int row = 0; row < kGridRows; ++row)
        setRow(row, row % 2 ? kSave : kLayerOff);
    m_generator->generateIfChanged();
    QCOMPARE(m_session->ScriptLines[0].count(u"\r\n"_s), 12);
    QCOMPARE(m_session->ScriptText.count(u".open "_s), 2);
    QCOMPARE(m_session->ScriptText.count(u"\r\n"_s), 26);
    QVERIFY(!m_session->ScriptText.endsWith(u"\r\n"_s));
}

void TestScriptGenerator::noDrawingsNoScript()
{
    setDrawings({});
    setRow(0, kLayerOff);
    QCOMPARE(m_generator->generateIfChanged(), Outcome::Rebuilt);
    QVERIFY(m_session->ScriptText.isEmpty());
    QCOMPARE(m_view.events, (QStringList{u"disable"_s, u"enable"_s, u"disable"_s, u"enable"_s}));
}

void TestScriptGenerator::reportsProgressAndDisablesThePage()
{
    setDrawings({u"a.dwg"_s, u"b.dwg"_s, u"c.dwg"_s});
    setRow(0, kSave);
    m_generator->generateIfChanged();
    // The summary pass, then the assembly, each with the page disabled and the event loop
    // running once per drawing.
    QCOMPARE(m_view.events, (QStringList{u"disable"_s, u"enable"_s, u"disable"_s, u"progress 0/3"_s,
                                         u"progress 1/3"_s, u"progress 2/3"_s, u"enable"_s}));
    QCOMPARE(m_view.yields, 6);
}

void TestScriptGenerator::rowZeroMustBeDescribed()
{
    QVERIFY(!m_generator->rowZeroDescribed());
    m_grid.setCellText(0, SubjectType, u"レイヤー"_s);
    QVERIFY(m_generator->rowZeroDescribed());
}

void TestScriptGenerator::onlyAChangedGridRegenerates()
{
    setRow(0, kLayerOff);
    QVERIFY(m_session->PreviousGridSummary.isEmpty());
    QCOMPARE(m_generator->generateIfChanged(), Outcome::Rebuilt);
    const QString first = m_session->ScriptText;
    QCOMPARE(m_session->PreviousGridSummary, u"レイヤー,L13,表示しない,終了,終了"_s);

    m_session->ScriptText = u"kept"_s;
    QCOMPARE(m_generator->generateIfChanged(), Outcome::Unchanged);
    QCOMPARE(m_session->ScriptText, u"kept"_s);

    // A change of the drawing list alone is no change of the grid.
    setDrawings({u"C:\\b\\other.dwg"_s});
    QCOMPARE(m_generator->generateIfChanged(), Outcome::Unchanged);
    QCOMPARE(m_session->ScriptText, u"kept"_s);

    m_grid.setCellText(0, SubjectName, u"L14"_s);
    QCOMPARE(m_generator->generateIfChanged(), Outcome::Rebuilt);
    QCOMPARE(m_session->ScriptText, u"\r\n.open C:\\b\\other.dwg\r\n-layer of L14 "_s);
    QVERIFY(first != m_session->ScriptText);
}

void TestScriptGenerator::rowsAfterAnEmptyActionAreIgnored()
{
    setRow(0, kLayerOff);
    setRow(1, kSave);
    setRow(2, kLayerOff);
    m_generator->generateIfChanged();
    const QString summary = m_session->GridSummary;

    // Row 1's action emptied: the pass stops after row 0; rows 1 and 2 keep their summaries, so
    // the grid counts as unchanged.
    m_grid.setCellText(1, Action, QString());
    QCOMPARE(m_generator->generateIfChanged(), Outcome::Unchanged);
    QCOMPARE(m_session->GridSummary, summary);
    QCOMPARE(m_generator->scrcmddata.at(1, 0), u"図面,すべて,上書き保存,終了,終了"_s);

    // Row 2 changed behind the gap: the pass does not reach it.
    m_grid.setCellText(2, SubjectName, u"L99"_s);
    QCOMPARE(m_generator->generateIfChanged(), Outcome::Unchanged);
}

void TestScriptGenerator::emptyRowZeroActionGeneratesNothing()
{
    setRow(0, {u"レイヤー"_s, u"L13"_s, u"表示しない"_s});
    QCOMPARE(m_generator->generateIfChanged(), Outcome::Unchanged);
    QVERIFY(m_session->GridSummary.isEmpty());
    QVERIFY(m_session->ScriptText.isEmpty());
}

// Row 1 has a subject type but no action: the pass stops at it, the assembly still takes it,
// and its never-built lines are empty.
void TestScriptGenerator::rowReachedOnlyByTheAssemblyLeavesAnEmptyLine()
{
    setRow(0, kLayerOff);
    setRow(1, {u"図面"_s});
    m_generator->generateIfChanged();
    QCOMPARE(m_session->ScriptLines[0], u".open C:\\a\\p1.dwg\r\n-layer of L13 \r\n"_s);
}

// 300 drawings of a line holding a 1 M-character cell: the size is worked out from the row lines
// and the script refused before any of it is built; the page is usable again.
void TestScriptGenerator::aScriptTooLargeIsRefusedBeforeItIsBuilt()
{
    QStringList drawings;
    for (int i = 0; i < 300; ++i)
        drawings.append(u"C:\\d\\%1.dwg"_s.arg(i));
    setDrawings(drawings);
    setRow(0, {u"レイヤー"_s, QString(1 << 20, u'x'), u"表示しない"_s, u"終了"_s, u"終了"_s});
    m_session->ScriptText = u"kept"_s;
    QCOMPARE(m_generator->generateIfChanged(), Outcome::TooLarge);
    QCOMPARE(m_session->ScriptText, u"kept"_s);
    QVERIFY(m_session->PreviousGridSummary.isEmpty());
    QCOMPARE(m_view.events.last(), u"enable"_s);
    QVERIFY2(m_generator->tooLargeMessage().contains(u"約301 M文字、256 M文字まで"_s),
             qPrintable(m_generator->tooLargeMessage()));
}

QTEST_APPLESS_MAIN(TestScriptGenerator)
#include "test_scriptgenerator.moc"
