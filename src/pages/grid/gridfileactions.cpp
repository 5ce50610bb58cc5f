#include "gridfileactions.h"

#include "cascade/gridtextloader.h"
#include "commandgrid.h"
#include "core/shell/keptfileactions.h"
#include "core/shell/messagebox.h"
#include "core/shell/pagewindow.h"
#include "generation/gridtextfile.h"

#include <QComboBox>
#include <QLineEdit>
#include <exception>

using namespace Qt::StringLiterals;

namespace tavrolin {

GridFileActions::GridFileActions(PageWindow &page, CommandGrid &grid, SettingsLookup &lookup)
    : QObject(&page), m_page(page), m_grid(grid), m_lookup(lookup),
      m_actions(new KeptFileActions(page, {u"グリッドを保存…"_s, u"グリッドを開く…"_s,
                                           u"グリッドファイル (*.txt);;すべてのファイル (*)"_s}))
{
    m_actions->offerIn(grid);
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column)
            m_actions->offerIn(*grid.cell(row, column)->lineEdit());
    }
    connect(m_actions, &KeptFileActions::saveChosen, this, &GridFileActions::save);
    connect(m_actions, &KeptFileActions::openChosen, this, &GridFileActions::open);
}

void GridFileActions::save(const QString &path)
{
    QString error;
    if (!writeGridTextFile(path, m_grid, &error))
        showMessage(error, ExclamationWarning);
}

// The grid is read whole before any cell changes. The cell that held the focus gives it up, so
// that entering it again refills its list for the texts loaded.
void GridFileActions::open(const QString &path)
{
    GridTextTable texts;
    QString error;
    if (!readGridTextFile(path, &texts, &error)) {
        showMessage(error, ExclamationWarning);
        return;
    }
    if (QWidget *focus = m_page.focusWidget(); focus && m_grid.isAncestorOf(focus))
        focus->clearFocus();
    QList<UnofferedText> unoffered;
    try {
        unoffered = GridTextLoader(m_grid, m_lookup).load(texts);
    } catch (const std::exception &failure) {
        showFailure(failure);
        return;
    }
    if (!unoffered.isEmpty())
        showMessage(unofferedTextsMessage(unoffered) +
                        u"\n一覧にない文字は入力された文字としてグリッドに入れました。"
                        u"確かめてください。"_s,
                    ExclamationWarning);
}

} // namespace tavrolin
