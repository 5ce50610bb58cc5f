#include "frmabout.h"

#include "core/programfolder.h"
#include "core/shell/layout.h"
#include "core/shell/messagebox.h"
#include "core/shell/shellservices.h"
#include "pages/wizard/pagefactories.h"
#include "platform/sysinfo/sysinfotool.h"

#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace tavrolin {

namespace {

constexpr int kLabelLeft = 1050;
constexpr int kLabelWidth = 3885;
constexpr int kButtonLeft = 3720;

} // namespace

frmAbout::frmAbout() : PageWindow(Kind::SideWindow)
{
    setObjectName(QStringLiteral("frmAbout"));
    buildControls();
    load();
}

void frmAbout::buildControls()
{
    setClientSizeTwips(this, 5115, 2070);
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));

    m_picIcon = addLabel("picIcon", 240, 120, 540, 540);
    m_picIcon->setAlignment(Qt::AlignCenter);
    m_lblTitle = addLabel("lblTitle", kLabelLeft, 120, kLabelWidth, 240);
    m_lblVersion = addLabel("lblVersion", kLabelLeft, 360, kLabelWidth, 225);
    m_lblDescription = addLabel("lblDescription", kLabelLeft, 600, kLabelWidth, 450);
    QLabel *lblDisclaimer = addLabel("lblDisclaimer", 255, 1320, 3270, 585);
    lblDisclaimer->setText(QStringLiteral("スクリプトは実行する前に内容を確認してください。"));

    // The etched separator: a dark line over a light one.
    auto *line1 = new QFrame(this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);
    placeTwips(line1, 240, 1095, 4790, 30);

    QPushButton *cmdOK = addButton("cmdOK", QStringLiteral("OK"), 1185);
    QPushButton *cmdSysInfo = addButton("cmdSysInfo", QStringLiteral("ｼｽﾃﾑ情報(&S)..."), 1635);
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
}

QLabel *frmAbout::addLabel(const char *name, int left, int top, int width, int height)
{
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(label, left, top, width, height);
    return label;
}

QPushButton *frmAbout::addButton(const char *name, const QString &caption, int top)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    placeTwips(button, kButtonLeft, top, 1310, 345);
    return button;
}

// A missing or unreadable icon leaves the window and picIcon without it.
void frmAbout::load()
{
    frmtitleset();
    m_picIcon->setPixmap(QIcon(programFile(u"\\ico\\sw.ico")).pixmap(m_picIcon->size()));
    namesetcmd();
}

void frmAbout::namesetcmd()
{
    setWindowTitle(windowTitle() + QStringLiteral("のバージョン情報"));
    m_lblTitle->setText(QStringLiteral("タヴロリンへようこそ"));
    m_lblVersion->setText(QStringLiteral("ver 1.00"));
    m_lblDescription->setText(
        QStringLiteral("説明：Autocad用スクリプト自動作成を行なうために使用します。"));
}

// Every failure, a tool not found or not started, ends in the same message, in the one box
// that carries the application's own title instead of the product's.
void frmAbout::StartSysInfo()
{
    if (SysInfoTool().start(nullptr))
        return;
    showMessage(QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"), PlainOk,
                QGuiApplication::applicationDisplayName());
}

PageWindow *createAboutBox()
{
    return new frmAbout;
}

} // namespace tavrolin
