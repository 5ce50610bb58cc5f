#include "core/drawingpath.h"
#include "core/session.h"
#include "core/settingslookup.h"
#include "generation/generationview.h"
#include "generation/gridtexts.h"
#include "generation/scriptblocks.h"
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

const QString kSettings =
    u"[表示しない]\ntype=off\n[上書き保存]\ntype=qsave\n[色を変える]\ntype=c\n"_s;

const QStringList kLayerOff{u"レイヤー"_s, u"L13"_s, u"表示しない"_s, u"終了"_s, u"終了"_s};
const QStringList kSave{u"図面"_s, u"すべて"_s, u"上書き保存"_s, u"終了"_s, u"終了"_s};

} // namespace

class TestScriptGenerator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void scriptRows_data();
    void scriptRows();
    void blocksFollowTheDrawingList();
    void twelveRowsMakeThirteenLinesPerBlock();
    void noDrawingsNoScript();
    void reportsProgressAndDisablesThePage();
    void rowZeroMustBeDescribed();
    void onlyAChangedGridRegenerates();
    void rowsAfterAnEmptyActionAreLeftOut();
    void emptyRowZeroActionGeneratesAnEmptyScript();
    void summaryTellsCellsApart();
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

// The grid's rows, one string each ("." an empty row, else the row's cells joined by "|"), the
// lines the first drawing's block gets after its open line, and the first row left out that
// holds texts.
void TestScriptGenerator::scriptRows_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("unused");
    const QString off = kLayerOff.join(u'|');
    const QString save = kSave.join(u'|');
    QTest::newRow("two rows") << QStringList{off, save}
                              << QStringList{u"-layer of L13 "_s, u".qsave "_s} << -1;
    QTest::newRow("a row without action ends the script")
        << QStringList{off, u"レイヤー|寸法|色を変える||"_s, save}
        << QStringList{u"-layer of L13 "_s} << 1;
    QTest::newRow("an empty row ends the script")
        << QStringList{off, u"."_s, save} << QStringList{u"-layer of L13 "_s} << 2;
    QTest::newRow("a keyword without line form adds no line")
        << QStringList{off, u"図面|すべて|未定義|終了|終了"_s, save}
        << QStringList{u"-layer of L13 "_s, u".qsave "_s} << -1;
    QTest::newRow("only rows without line form: no block")
        << QStringList{u"図面|すべて|未定義|終了|終了"_s} << QStringList() << -1;
    QTest::newRow("row 0 without action")
        << QStringList{u"レイヤー|L13|表示しない||"_s} << QStringList() << 0;
    QTest::newRow("twelve rows") << QStringList(kGridRows, save)
                                 << QStringList(kGridRows, u".qsave "_s) << -1;
}

void TestScriptGenerator::scriptRows()
{
    QFETCH(QStringList, rows);
    QFETCH(QStringList, lines);
    QFETCH(int, unused);
    for (int row = 0; row < rows.size(); ++row)
        setRow(row, rows[row] == u"." ? QStringList() : rows[row].split(u'|'));
    m_generator->generateIfChanged();
    QCOMPARE(ScriptGenerator::firstUnusedRow(m_grid), unused);
    if (lines.isEmpty()) {
        QVERIFY(m_session->ScriptText.isEmpty());
        return;
    }
    QCOMPARE(scriptBlock(*m_session, 0).split(u"\r\n"_s),
             QStringList{u".open C:\\a\\p1.dwg"_s} + lines);
    QCOMPARE(m_generator->assembly.scriptSize({}), 0);
}

void TestScriptGenerator::blocksFollowTheDrawingList()
{
    setRow(0, kLayerOff);
    setRow(1, kSave);
    QCOMPARE(m_generator->generateIfChanged(), Outcome::Rebuilt);
    const QString expected = u"\r\n.open C:\\a\\p1.dwg\r\n-layer of L13 \r\n.qsave "
                             u"\r\n.open C:\\a\\p2.dwg\r\n-layer of L13 \r\n.qsave "_s;
    QCOMPARE(m_session->ScriptText, expected);
    QCOMPARE(scriptBlock(*m_session, 1), u".open C:\\a\\p2.dwg\r\n-layer of L13 \r\n.qsave "_s);
    QCOMPARE(drawingCommands(*m_session, 1), u"-layer of L13 \r\n.qsave "_s);
    QCOMPARE(m_generator->assembly.scriptSize({0, 1}), expected.size());
}

void TestScriptGenerator::twelveRowsMakeThirteenLinesPerBlock()
{
    for (int row = 0; row < kGridRows; ++row)
        setRow(row, row % 2 ? kSave : kLayerOff);
    m_generator->generateIfChanged();
    QCOMPARE(scriptBlock(*m_session, 0).count(u"\r\n"_s), 12);
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
    QCOMPARE(m_view.events, (QStringList{u"disable"_s, u"enable"_s}));
}

void TestScriptGenerator::reportsProgressAndDisablesThePage()
{
    setDrawings({u"a.dwg"_s, u"b.dwg"_s, u"c.dwg"_s});
    setRow(0, kSave);
    m_generator->generateIfChanged();
    // The assembly, with the page disabled and the event loop running once per drawing.
    QCOMPARE(m_view.events, (QStringList{u"disable"_s, u"progress 0/3"_s, u"progress 1/3"_s,
                                         u"progress 2/3"_s, u"enable"_s}));
    QCOMPARE(m_view.yields, 3);
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

// Rows that the pass no longer reaches leave the script, as after opening a grid of fewer rows:
// no line of an earlier generation stays behind.
void TestScriptGenerator::rowsAfterAnEmptyActionAreLeftOut()
{
    setRow(0, kLayerOff);
    setRow(1, kSave);
    setRow(2, kLayerOff);
    m_generator->generateIfChanged();

    m_grid.setCellText(1, Action, QString());
    QCOMPARE(m_generator->generateIfChanged(), Outcome::Rebuilt);
    QCOMPARE(scriptBlock(*m_session, 1), u".open C:\\a\\p2.dwg\r\n-layer of L13 "_s);

    // Row 2 changed behind the gap: the pass does not reach it.
    m_grid.setCellText(2, SubjectName, u"L99"_s);
    QCOMPARE(m_generator->generateIfChanged(), Outcome::Unchanged);
}

// No row reached: the script is empty, also when a new drawing list left no summary to compare.
void TestScriptGenerator::emptyRowZeroActionGeneratesAnEmptyScript()
{
    setRow(0, kLayerOff);
    m_generator->generateIfChanged();
    m_session->drawingListChanged();
    m_grid.setCellText(0, Action, QString());
    QCOMPARE(m_generator->generateIfChanged(), Outcome::Rebuilt);
    QVERIFY(m_session->GridSummary.isEmpty());
    QVERIFY(m_session->ScriptText.isEmpty());
}

// A comma inside a cell moves no text to another cell in the change test.
void TestScriptGenerator::summaryTellsCellsApart()
{
    setRow(0, {u"レイヤー"_s, u"a,b"_s, u"色を変える"_s, u"c"_s, u"終了"_s});
    QCOMPARE(m_generator->generateIfChanged(), Outcome::Rebuilt);
    m_grid.setCellText(0, SubjectName, u"a"_s);
    m_grid.setCellText(0, PurposeType, u"b,色を変える"_s);
    QCOMPARE(m_generator->generateIfChanged(), Outcome::Rebuilt);
    // Nor does the end of one row move into the next.
    setRow(0, kLayerOff);
    setRow(1, {u"x"_s, QString(), QString(), QString(), u"y"_s});
    m_generator->generateIfChanged();
    m_grid.setCellText(0, Action, u"終了x"_s);
    m_grid.setCellText(1, SubjectType, QString());
    QCOMPARE(m_generator->generateIfChanged(), Outcome::Rebuilt);
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
    QVERIFY(m_view.events.isEmpty()); // the page was never disabled
    QVERIFY2(m_generator->tooLargeMessage().contains(u"約301 M文字、256 M文字まで"_s),
             qPrintable(m_generator->tooLargeMessage()));
}

QTEST_APPLESS_MAIN(TestScriptGenerator)
#include "test_scriptgenerator.moc"
