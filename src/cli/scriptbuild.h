#pragma once

#include "cascade/gridcelltable.h"
#include "cascade/gridtextloader.h"
#include "core/settingslookup.h"
#include "generation/generationview.h"
#include "generation/scriptgenerator.h"

#include <QStringList>
#include <memory>
#include <optional>

namespace tavrolin {

struct ScriptInputs;
struct Session;

// The wizard's steps from a fresh session, for the headless commands that need the script: the
// drawing list as the drawing list page fills it, the grid file opened into the grid as
// "グリッドを開く…" opens it, and the grid page's forward step. The date stamps carry the time
// of the inputs.
class ScriptBuild
{
public:
    explicit ScriptBuild(const ScriptInputs &inputs);
    ~ScriptBuild();
    ScriptBuild(const ScriptBuild &) = delete;
    ScriptBuild &operator=(const ScriptBuild &) = delete;

    // "処理が記述されていません" when row 0 has no subject type: there is nothing to generate.
    std::optional<QString> refusal() const;

    // The warnings about the grid, as the wizard gives them when it opens the grid file and on
    // "次へ＞": rows below the script's last one that hold texts, texts the settings file does
    // not offer, typed texts with blanks.
    QStringList gridWarnings() const;

    // Generates the script into the session; on a script too large, the refusal.
    std::optional<QString> generate();

    // Generates the script block by block into `take`, without holding its text; on a script too
    // large, the refusal, and what `take` took so far is to be discarded.
    std::optional<QString> generateInto(const ScriptAssembly::BlockSink &take);

    // The warning that names the script file's lines with characters the code page lacks. It
    // needs the script's text, so the script is generated into the session for it: ask only
    // when characters were lost. The session's comment block must be set.
    QString lostCharactersWarning();

    // What the script's rows do with the files of the drawing list.
    ScriptSaves saves();

    Session &session() { return *m_session; }

private:
    const ScriptInputs &m_inputs;
    std::unique_ptr<Session> m_session;
    SettingsLookup m_lookup;
    GridCellTable m_grid;
    QList<UnofferedText> m_unoffered;
    GenerationView m_view;
    ScriptGenerator m_generator;
};

} // namespace tavrolin
