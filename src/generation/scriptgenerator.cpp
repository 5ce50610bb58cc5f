#include "scriptgenerator.h"

#include "core/session.h"
#include "generationview.h"
#include "gridtexts.h"

using namespace Qt::StringLiterals;

namespace tavrolin {

ScriptGenerator::ScriptGenerator(Session &session, SettingsLookup &lookup, const GridTexts &grid,
                                 GenerationView &view)
    : builder(session, lookup, scrcmddata, view), assembly(session, scrcmddata, grid, view),
      m_session(session), m_grid(grid), m_view(view)
{}

bool ScriptGenerator::rowZeroDescribed() const
{
    return !m_grid.cellText(0, SubjectType).isEmpty();
}

QString ScriptGenerator::rowSummary(const GridTexts &grid, int row)
{
    QString summary = grid.cellText(row, 0);
    for (int column = 1; column < kGridColumns; ++column)
        summary += u',' + grid.cellText(row, column);
    return summary;
}

// The pass lets the event loop run while it builds the lines of many drawings, so the page is
// disabled meanwhile: no cell may change under it.
void ScriptGenerator::scrcodemakesum()
{
    m_view.setPageEnabled(false);
    for (int row = 0; row < kGridRows; ++row) {
        if (m_grid.cellText(row, Action).isEmpty())
            break;
        summariseRow(row);
    }
    m_view.setPageEnabled(true);
    QString summary;
    for (int row = 0; row < kGridRows; ++row)
        summary += scrcmddata.at(row, 0);
    m_session.GridSummary = summary;
}

void ScriptGenerator::summariseRow(int row)
{
    scrcmddata.at(row, 0) = rowSummary(m_grid, row);
    builder.scrmakefile(m_grid.cellText(row, PurposeType), scrcmddata.at(row, 0), row);
}

int ScriptGenerator::scriptRows() const
{
    int reached = 0;
    while (reached < kGridRows && !m_grid.cellText(reached, Action).isEmpty())
        ++reached;
    return qMin(reached, ScriptAssembly::scriptRowCount(m_grid));
}

ScriptSaves ScriptGenerator::scriptSaves()
{
    ScriptSaves saves;
    std::vector<CommandLineBuilder::FileEffect> saveAsRows;
    for (int row = 0; row < scriptRows(); ++row) {
        CommandLineBuilder::FileEffect effect =
            builder.fileEffect(m_grid.cellText(row, PurposeType), rowSummary(m_grid, row));
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

ScriptGenerator::Outcome ScriptGenerator::generateIfChanged()
{
    scrcodemakesum();
    if (m_session.GridSummary == m_session.PreviousGridSummary)
        return Outcome::Unchanged;
    if (assembly.scriptSize() > kScriptSizeLimit)
        return Outcome::TooLarge;
    m_session.ScriptText.clear();
    assembly.makeallscr();
    m_session.PreviousGridSummary = m_session.GridSummary;
    return Outcome::Rebuilt;
}

QString ScriptGenerator::tooLargeMessage() const
{
    constexpr qint64 kMega = 1024 * 1024;
    return u"スクリプトが大きすぎます (約%1 M文字、%2 M文字まで)。図面の数か、セルの文字数を減らしてください。"_s
        .arg((assembly.scriptSize() + kMega - 1) / kMega)
        .arg(kScriptSizeLimit / kMega);
}

} // namespace tavrolin
