#include "scriptbuild.h"

#include "core/clock.h"
#include "core/session.h"
#include "generation/scriptfile.h"
#include "scriptinputs.h"

using namespace Qt::StringLiterals;

namespace tavrolin {

ScriptBuild::ScriptBuild(const ScriptInputs &inputs)
    : m_inputs(inputs), m_session(inputs.session()), m_lookup(inputs.settingsPath),
      m_unoffered(GridTextLoader(m_grid, m_lookup).load(*inputs.grid)),
      m_generator(*m_session, m_lookup, m_grid, m_view)
{}

ScriptBuild::~ScriptBuild() = default;

std::optional<QString> ScriptBuild::refusal() const
{
    if (!m_generator.rowZeroDescribed())
        return u"処理が記述されていません"_s;
    return std::nullopt;
}

QStringList ScriptBuild::gridWarnings() const
{
    QStringList warnings;
    if (const int unused = ScriptGenerator::firstUnusedRow(m_grid); unused >= 0)
        warnings.append(ScriptGenerator::unusedRowsMessage(unused));
    if (!m_unoffered.isEmpty())
        warnings.append(unofferedTextsMessage(m_unoffered));
    if (const QString blanks = blankTextsWarning(m_unoffered, ScriptGenerator::reachedRows(m_grid));
        !blanks.isEmpty())
        warnings.append(blanks);
    return warnings;
}

std::optional<QString> ScriptBuild::generate()
{
    setClock(std::make_unique<FixedClock>(m_inputs.now));
    if (m_generator.generateIfChanged() == ScriptGenerator::Outcome::TooLarge)
        return m_generator.tooLargeMessage();
    return std::nullopt;
}

std::optional<QString> ScriptBuild::generateInto(const ScriptAssembly::BlockSink &take)
{
    setClock(std::make_unique<FixedClock>(m_inputs.now));
    if (m_generator.generateInto(take) == ScriptGenerator::Outcome::TooLarge)
        return m_generator.tooLargeMessage();
    return std::nullopt;
}

QString ScriptBuild::lostCharactersWarning()
{
    generate();
    return tavrolin::lostCharactersWarning(
        scriptFileText(m_session->ScriptText, m_session->CommentText));
}

ScriptSaves ScriptBuild::saves()
{
    setClock(std::make_unique<FixedClock>(m_inputs.now));
    return m_generator.scriptSaves();
}

} // namespace tavrolin
