#include "frmbrowser.h"

#include "core/programfolder.h"
#include "core/shell/layout.h"
#include "core/shell/shellservices.h"
#include "core/shell/wheelpassthrough.h"
#include "helpview.h"
#include "pages/wizard/pagefactories.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace tavrolin {

namespace {

constexpr int kBusyPollMs = 5;

} // namespace

frmBrowser::frmBrowser() : PageWindow(Kind::SideWindow)
{
    setObjectName(QStringLiteral("frmBrowser"));
    buildControls();
    load();
}

void frmBrowser::buildControls()
{
    setClientSizeTwips(this, 10605, 4350);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_brwWebBrowser = new HelpView(this);
    m_brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    buildToolBar();
    layout->addWidget(m_tbToolBar);

    auto *picAddress = new QWidget(this);
    picAddress->setObjectName(QStringLiteral("picAddress"));
    auto *addressLayout = new QHBoxLayout(picAddress);
    addressLayout->setContentsMargins(4, 2, 4, 4);
    m_cboAddress = new QComboBox(picAddress);
    m_cboAddress->setObjectName(QStringLiteral("cboAddress"));
    m_cboAddress->setEditable(true);
    // The list holds the starting address only; typed addresses are not added, nor completed.
    m_cboAddress->setInsertPolicy(QComboBox::NoInsert);
    m_cboAddress->setCompleter(nullptr);
    WheelPassThrough::install(m_cboAddress);
    addressLayout->addWidget(m_cboAddress);
    layout->addWidget(picAddress);
    layout->addWidget(m_brwWebBrowser, 1);

    m_timTimer = new QTimer(this);
    m_timTimer->setObjectName(QStringLiteral("timTimer"));
    m_timTimer->setInterval(kBusyPollMs);

    connect(m_cboAddress, &QComboBox::activated, this, &frmBrowser::navigateToAddressText);
    connect(m_cboAddress->lineEdit(), &QLineEdit::returnPressed, this,
            &frmBrowser::navigateToAddressText);
    // The viewer follows a link itself; the caption follows the page it loads.
    connect(m_brwWebBrowser, &QTextBrowser::anchorClicked, m_timTimer, qOverload<>(&QTimer::start));
    connect(m_brwWebBrowser, &QTextBrowser::sourceChanged, this, [this](const QUrl &address) {
        m_cboAddress->setEditText(HelpView::addressText(address));
    });
    connect(m_timTimer, &QTimer::timeout, this, &frmBrowser::timTimerTimer);
}

void frmBrowser::buildToolBar()
{
    m_tbToolBar = new QToolBar(this);
    m_tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    m_tbToolBar->setIconSize(QSize(24, 24));
    m_tbToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QAction *back =
        m_tbToolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("戻る"),
                               this, [this] { stepHistory(false); });
    QAction *forward =
        m_tbToolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                               QStringLiteral("進む"), this, [this] { stepHistory(true); });
    back->setObjectName(QStringLiteral("Back"));
    forward->setObjectName(QStringLiteral("Forward"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_brwWebBrowser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_brwWebBrowser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
}

// Each step goes on to the next when it fails: a missing help page still opens the window,
// showing why the page cannot be read.
void frmBrowser::load()
{
    show();
    frmtitleset();
    m_startingAddress = QDir::toNativeSeparators(programFile(u"\\help\\masterhelp.htm"));
    m_cboAddress->setEditText(m_startingAddress);
    m_cboAddress->addItem(m_startingAddress);
    navigate(HelpView::addressUrl(m_startingAddress));
}

void frmBrowser::navigate(const QUrl &address)
{
    m_timTimer->start();
    m_brwWebBrowser->navigate(address);
}

void frmBrowser::navigateToAddressText()
{
    navigate(HelpView::addressUrl(m_cboAddress->currentText()));
}

void frmBrowser::stepHistory(bool forward)
{
    m_timTimer->start();
    if (forward)
        m_brwWebBrowser->forward();
    else
        m_brwWebBrowser->backward();
}

// While a page loads the caption says so; once it is shown, the caption is the page's title.
void frmBrowser::timTimerTimer()
{
    if (m_brwWebBrowser->isBusy()) {
        setWindowTitle(QStringLiteral("接続中..."));
        return;
    }
    m_timTimer->stop();
    const QString title = m_brwWebBrowser->documentTitle();
    setWindowTitle(title.isEmpty() ? HelpView::addressText(m_brwWebBrowser->source()) : title);
}

PageWindow *createHelpBrowser()
{
    return new frmBrowser;
}

} // namespace tavrolin
