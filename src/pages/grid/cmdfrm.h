#pragma once

#include "core/settingslookup.h"
#include "core/shell/navigator.h"
#include "core/shell/pagewindow.h"

#include <memory>

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace tavrolin {

class CellPopulator;
class GridPane;
class GridProgressView;
class HelpView;
class ScriptGenerator;

// The command grid page: the grid of drop-down cells and the instruction pane under two tabs,
// "＜戻る" back to the drawing list, and "次へ＞", which generates the script when the grid
// changed and goes on to the comment page.
class cmdfrm : public PageWindow
{
    Q_OBJECT

public:
    explicit cmdfrm(const PageContext &context);
    ~cmdfrm() override;

private:
    void createHeading();
    void createPanes();
    void createFooter();
    QPushButton *createButton(const QString &name, const QString &caption, int left);
    void chainTabOrder();

    void load();
    void helpinput();
    void checkSettingsFile();
    void hideProgress();
    void showPane(int tab);
    void cmdnextClick();

    PageContext m_context;
    // The page's own settings lookup, shared by the cells' lists and the command lines.
    SettingsLookup m_lookup;

    QTabWidget *m_tabs = nullptr;
    GridPane *m_gridPane = nullptr;
    QFrame *m_helpPane = nullptr;
    HelpView *m_browser = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_progressCaption = nullptr;
    QLabel *m_example = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_cancel = nullptr;

    std::unique_ptr<CellPopulator> m_populator;
    std::unique_ptr<GridProgressView> m_view;
    std::unique_ptr<ScriptGenerator> m_generator;
};

} // namespace tavrolin
