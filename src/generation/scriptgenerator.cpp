#include "scriptgenerator.h"

#include "core/session.h"
#include "generationview.h"
#include "gridtexts.h"

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

// A cell's text as a field of a summary: "," and "\" preceded by "\".
QString summaryField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'\\'))
        return text;
    QString field;
    for (const QChar c : text) {
        if (c == u',' || c == u'\\')
            field += u'\\';
        field += c;
    }
    return field;
}

} // namespace

ScriptGenerator::ScriptGenerator(Session &session, SettingsLookup &lookup, const GridTexts &grid,
                                 GenerationView &view)
    : builder(session, lookup, scrcmddata), assembly(session, scrcmddata, view), m_session(session),
      m_grid(grid)
{}

bool ScriptGenerator::rowZeroDescribed() const
{
    return !m_grid.cellText(0, SubjectType).isEmpty();
}

int ScriptGenerator::reachedRows(const GridTexts &grid)
{
    int rows = 0;
    while (rows < kGridRows && !grid.cellText(rows, Action).isEmpty())
        ++rows;
    return rows;
}

int ScriptGenerator::firstUnusedRow(const GridTexts &grid)
{
    for (int row = reachedRows(grid); row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            if (!grid.cellText(row, column).isEmpty())
                return row;
        }
    }
    return -1;
}

QString ScriptGenerator::unusedRowsMessage(int row)
{
    return u"%1段目から下は使われません。"_s.arg(row + 1);
}

QString ScriptGenerator::rowSummary(const GridTexts &grid, int row)
{
    QString summary = summaryField(grid.cellText(row, 0));
    for (int column = 1; column < kGridColumns; ++column)
        summary += u',' + summaryField(grid.cellText(row, column));
    return summary;
}

// The pass only takes each reached row's line form; the lines themselves are made by the
// assembly. The summaries of the reached rows are joined by "," as the fields of a row are, so
// the number of rows counts as well.
void ScriptGenerator::scrcodemakesum()
{
    m_scriptRows.clear();
    QStringList summaries;
    const int reached = reachedRows(m_grid);
    for (int row = 0; row < reached; ++row) {
        summariseRow(row);
        summaries.append(scrcmddata.summary(row));
    }
    m_session.GridSummary = summaries.join(u',');
}

void ScriptGenerator::summariseRow(int row)
{
    scrcmddata.summary(row) = rowSummary(m_grid, row);
    if (builder.scrmakefile(m_grid.rowTexts(row), row))
        m_scriptRows.append(row);
}

ScriptSaves ScriptGenerator::scriptSaves()
{
    ScriptSaves saves;
    std::vector<CommandLineBuilder::FileEffect> saveAsRows;
    const int reached = reachedRows(m_grid);
    for (int row = 0; row < reached; ++row) {
        CommandLineBuilder::FileEffect effect = builder.fileEffect(m_grid.rowTexts(row));
        using Kind = CommandLineBuilder::FileEffect::Kind;
        saves.inPlace = saves.inPlace || effect.kind == Kind::SavesInPlace;
        saves.dxf = saves.dxf || effect.kind == Kind::SavesDxf;
        if (effect.kind == Kind::SavesAs)
            saveAsRows.push_back(std::move(effect));
    }
    saves.savedAs.resize(m_session.DrawingCount);
    for (int drawing = 0; drawing < m_session.DrawingCount; ++drawing) {
        for (const CommandLineBuilder::FileEffect &row : saveAsRows)
            saves.savedAs[drawing].append(row.savedAs(drawing));
    }
    return saves;
}

// The summary is empty only when no row is reached; it then also equals the summary that a new
// drawing list leaves, for which no script was built, so the (empty) script is always built.
ScriptGenerator::Outcome ScriptGenerator::generateIfChanged()
{
    scrcodemakesum();
    if (!m_session.GridSummary.isEmpty() && m_session.GridSummary == m_session.PreviousGridSummary)
        return Outcome::Unchanged;
    const qint64 size = assembly.scriptSize(m_scriptRows);
    if (size > kScriptSizeLimit)
        return Outcome::TooLarge;
    assembly.makeallscr(m_scriptRows, size);
    m_session.PreviousGridSummary = m_session.GridSummary;
    return Outcome::Rebuilt;
}

ScriptGenerator::Outcome ScriptGenerator::generateInto(const ScriptAssembly::BlockSink &take)
{
    scrcodemakesum();
    return assembly.assemble(m_scriptRows, kScriptSizeLimit, take) ? Outcome::Rebuilt
                                                                   : Outcome::TooLarge;
}

QString ScriptGenerator::tooLargeMessage() const
{
    constexpr qint64 kMega = 1024 * 1024;
    return u"スクリプトが大きすぎます (約%1 M文字、%2 M文字まで)。図面の数か、セルの文字数を減らしてください。"_s
        .arg((assembly.scriptSize(m_scriptRows) + kMega - 1) / kMega)
        .arg(kScriptSizeLimit / kMega);
}

} // namespace tavrolin
