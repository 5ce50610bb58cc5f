#include "forwardquestions.h"

#include "cascade/gridcelltable.h"
#include "cascade/gridtextloader.h"
#include "core/settingslookup.h"
#include "core/shell/messagebox.h"
#include "generation/scriptgenerator.h"

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

bool agreed(const QString &question)
{
    return showMessage(question, ExclamationQuestion) == AnswerYes;
}

// The typed texts are those that the lists do not offer when the grid's texts are entered from
// the top, as opening a grid file finds them; the page's own cells stay untouched.
QString blankTextsOf(const GridTexts &grid, const QString &settingsPath)
{
    GridCellTable entered;
    SettingsLookup lookup(settingsPath);
    return blankTextsWarning(GridTextLoader(entered, lookup).load(grid),
                             ScriptGenerator::reachedRows(grid));
}

} // namespace

bool askForwardQuestions(const GridTexts &grid, const QString &settingsPath)
{
    const int unused = ScriptGenerator::firstUnusedRow(grid);
    if (unused >= 0 && !agreed(ScriptGenerator::unusedRowsMessage(unused) + u"続けますか？"_s))
        return false;
    const QString blanks = blankTextsOf(grid, settingsPath);
    return blanks.isEmpty() || agreed(blanks + u"\n\n続けますか？"_s);
}

} // namespace tavrolin
