#include "cmdfrm.h"

#include "cellpopulator.h"
#include "commandgrid.h"
#include "core/filefailure.h"
#include "core/iniread.h"
#include "core/programfolder.h"
#include "core/shell/layout.h"
#include "core/shell/messagebox.h"
#include "core/shell/shellservices.h"
#include "forwardquestions.h"
#include "generation/scriptgenerator.h"
#include "gridfileactions.h"
#include "gridpane.h"
#include "gridprogressview.h"
#include "pages/help/helpview.h"
#include "pages/wizard/pagefactories.h"
#include "preflight/preflightrunner.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <exception>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

enum PaneTab { GridTab = 1, InstructionTab = 2 };

QLabel *createLabel(QWidget *parent, const QString &name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

cmdfrm::cmdfrm(const PageContext &context)
    : PageWindow(Kind::WizardPage), m_context(context), m_lookup(programFile(u"\\tavrolin.ini"))
{
    setObjectName(u"cmdfrm"_s);
    setClientSizeTwips(this, 9675, 3435);
    createHeading();
    createPanes();
    createFooter();
    chainTabOrder();

    CommandGrid &grid = m_gridPane->grid();
    m_populator = std::make_unique<CellPopulator>(grid, m_lookup);
    connect(&grid, &CommandGrid::cellEntered, this,
            [this](int row, int column) { m_populator->populate(row, column); });
    connect(&grid, &CommandGrid::cellEdited, this,
            [this](int row, int column) { m_populator->edited(row, column); });
    new GridFileActions(*this, grid, m_lookup);
    m_view = std::make_unique<GridProgressView>(*this, *m_progress, *m_progressCaption, *m_example);
    m_generator = std::make_unique<ScriptGenerator>(m_context.session, m_lookup, grid, *m_view);
    connect(this, &PageWindow::activated, this, &cmdfrm::hideProgress);
    load();
}

cmdfrm::~cmdfrm() = default;

void cmdfrm::createHeading()
{
    QLabel *heading =
        createLabel(this, u"Label4"_s, u"どのようなスクリプトの作成を行ないますか？"_s);
    heading->setFont(japaneseFont(15.75, true));
    placeTwips(heading, 120, 0, 7455, 375);
}

// The tab strip lies between the two panes: the grid pane above it, the instruction pane below
// it and so hidden. A tab brings its pane to the front; neither pane is ever hidden or moved.
void cmdfrm::createPanes()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(u"TabStrip1"_s);
    m_tabs->setAutoFillBackground(true);
    m_tabs->addTab(new QWidget, u"スクリプトコード作成"_s);
    m_tabs->addTab(new QWidget, u"操作説明"_s);
    placeTwips(m_tabs, 120, 360, 9495, 2415);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) { showPane(index + 1); });

    m_helpPane = new QFrame(this);
    m_helpPane->setObjectName(u"Frame4"_s);
    m_helpPane->setAutoFillBackground(true);
    placeTwips(m_helpPane, 240, 720, 9255, 1935);
    m_helpPane->lower();
    m_browser = new HelpView(m_helpPane);
    m_browser->setObjectName(u"WebBrowser1"_s);
    placeTwips(m_browser, 120, 240, 9015, 1575);

    m_gridPane = new GridPane(this);
    placeTwips(m_gridPane, 240, 720, 9255, 1935);
}

void cmdfrm::createFooter()
{
    auto *line = new QFrame(this);
    line->setObjectName(u"Line1"_s);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(0, twips(2880) - 1, twips(9600), 3);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(u"ProgressBar1"_s);
    m_progress->setTextVisible(false);
    placeTwips(m_progress, 120, 3000, 2655, 375);
    m_progressCaption =
        createLabel(this, u"Label7"_s, u"Scriptファイル作成中しばらくお待ちください"_s);
    // 3255 twips wide would cut the caption's last character off with the platform's Japanese
    // font; it reaches no nearer the buttons than 150 twips.
    placeTwips(m_progressCaption, 2880, 3120, 3330, 255);
    m_example = createLabel(this, u"Label5"_s, u"（例：レイヤー:L13:色を変える：赤）"_s);
    placeTwips(m_example, 120, 3120, 3375, 255);

    m_back = createButton(u"Cmdbefore"_s, u"＜戻る"_s, 6360);
    connect(m_back, &QPushButton::clicked, this,
            [this] { m_context.navigator.go(this, PageId::Drawings); });
    m_next = createButton(u"cmdnext"_s, u"次へ＞"_s, 7440);
    connect(m_next, &QPushButton::clicked, this, &cmdfrm::cmdnextClick);
    m_cancel = createButton(u"cmdcan"_s, u"キャンセル"_s, 8520);
    connect(m_cancel, &QPushButton::clicked, this, [] { wizardcancel(); });
}

QPushButton *cmdfrm::createButton(const QString &name, const QString &caption, int left)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    placeTwips(button, left, 3000, 1095, 375);
    return button;
}

// The tab strip and the buttons come first, then the cells row by row; every cell fills its
// list as the Tab key reaches it.
void cmdfrm::chainTabOrder()
{
    QList<QWidget *> order{m_tabs, m_browser, m_back, m_next, m_cancel};
    for (QComboBox *cell : m_gridPane->grid().tabOrder())
        order.append(cell);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void cmdfrm::load()
{
    hideProgress();
    // A window icon that cannot be read leaves the window without icon; the page opens anyway.
    frmtitleset();
    m_gridPane->doscroll();
    helpinput();
    checkSettingsFile();
}

// Every list of the grid comes from the settings file: without it they would all stay empty,
// with no hint why. The page stays usable.
void cmdfrm::checkSettingsFile()
{
    QString reason;
    if (settingsFileReadable(m_lookup.settingsPath(), &reason))
        return;
    showMessage(u"設定ファイル %1 を読めません: %2\nグリッドのリストはすべて空になります。"_s.arg(
                    messagePath(m_lookup.settingsPath()), reason),
                ExclamationWarning);
}

// The instruction page is read as the help browser reads its pages: a missing one shows, as
// there, a short page that names it and says why; the rest of the page works as usual.
void cmdfrm::helpinput()
{
    m_browser->navigate(QUrl::fromLocalFile(programFile(u"\\help\\help3.htm")));
}

void cmdfrm::hideProgress()
{
    m_progress->hide();
    m_progressCaption->hide();
}

void cmdfrm::showPane(int tab)
{
    if (tab == GridTab)
        m_gridPane->raise();
    else if (tab == InstructionTab)
        m_helpPane->raise();
}

// Asks about rows the script leaves out and typed blanks first; then generates the script when
// the grid changed since the last generation, checks the drawings again now that what the
// script saves is known, and shows the comment page. A script too large to build, or a failure,
// is reported, and the page is usable again.
void cmdfrm::cmdnextClick()
{
    try {
        if (!m_generator->rowZeroDescribed()) {
            showMessage(u"処理が記述されていません"_s, ExclamationWarning);
            return;
        }
        if (!askForwardQuestions(m_gridPane->grid(), m_lookup.settingsPath()))
            return;
        if (m_generator->generateIfChanged() == ScriptGenerator::Outcome::TooLarge) {
            setBusy(false);
            showMessage(m_generator->tooLargeMessage(), ExclamationWarning);
            return;
        }
        m_context.preflight.setScriptSaves(m_generator->scriptSaves());
        m_context.preflight.start();
        m_context.navigator.go(this, PageId::Comment);
        setBusy(false);
    } catch (const std::exception &failure) {
        showFailure(failure);
        setEnabled(true);
        setBusy(false);
    }
}

PageWindow *createGridPage(const PageContext &context)
{
    return new cmdfrm(context);
}

} // namespace tavrolin
