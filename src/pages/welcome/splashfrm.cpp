#include "splashfrm.h"

#include "core/programfolder.h"
#include "core/shell/layout.h"
#include "core/shell/shellservices.h"
#include "labelreveal.h"
#include "pages/wizard/pagefactories.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace tavrolin {

namespace {

constexpr int kButtonTop = 2400;
constexpr int kButtonHeight = 375;
constexpr int kRevealIntervalMs = 15;

} // namespace

splashfrm::splashfrm(const PageContext &context) : PageWindow(Kind::WizardPage), m_context(context)
{
    setObjectName(QStringLiteral("splashfrm"));
    buildControls();
    load();
}

void splashfrm::buildControls()
{
    setClientSizeTwips(this, 6750, 2820);

    m_image1 = addLabel("Image1", QString(), font(), 120, 240, 1815, 1815);
    m_image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The titles and texts are a little taller than the fonts' em, so that fonts with a larger
    // line height than "ＭＳ Ｐゴシック" show them whole too.
    m_label1 = addLabel("Label1", QStringLiteral("Tavrolinへようこそ"), japaneseFont(18, true),
                        2280, 120, 3660, 420);
    m_label2 = addLabel("Label2", QStringLiteral("TavrolinはAutocadで使用される"),
                        japaneseFont(12, true), 2280, 600, 4065, 300);
    m_label5 = addLabel("Label5", QStringLiteral("スクリプト作成を支援します。"),
                        japaneseFont(12, true), 2280, 960, 3105, 300);
    QLabel *label3 = addLabel(
        "Label3",
        QStringLiteral("「戻る」を選択すればいつでも選択された項目を変更することができます。"),
        japaneseFont(9.75), 2280, 1440, 2055, 735);
    QLabel *label4 =
        addLabel("Label4", QStringLiteral("作業を開始するには「次へ」を選択してください。"),
                 japaneseFont(9.75), 4680, 1440, 1575, 735);
    for (QLabel *label : {label3, label4}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    // The credit lines lie on the picture, on a light veil that keeps them readable.
    m_label7 =
        addLabel("Label7", QStringLiteral("Tavrolin"), japaneseFont(9, true), 180, 720, 1560, 330);
    m_label8 = addLabel("Label8", QStringLiteral("図面一括処理\nスクリプト作成\nウィザード"),
                        japaneseFont(9), 240, 960, 1545, 735);
    m_label8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (QLabel *credit : {m_label7, m_label8}) {
        QPalette veil = credit->palette();
        veil.setColor(QPalette::Window, QColor(255, 255, 255, 200));
        credit->setPalette(veil);
        credit->setAutoFillBackground(true);
    }

    auto *line1 = new QFrame(this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);
    placeTwips(line1, 120, 2235, 6615, 30);

    // Label6 lies where the version button stands, which covers it.
    addLabel("Label6", QStringLiteral("v1.0"), japaneseFont(9), 360, 2400, 495, 255);

    QPushButton *command1 = addButton("Command1", QStringLiteral("バージョン情報"), 120, 1335);
    QPushButton *command2 = addButton("Command2", QStringLiteral("使用方法"), 1440, 1095);
    QPushButton *cmdnext = addButton("cmdnext", QStringLiteral("次へ＞"), 4560, 1095);
    QPushButton *cmdcan = addButton("cmdcan", QStringLiteral("キャンセル"), 5640, 1095);
    connect(command1, &QPushButton::clicked, this, [this] { m_context.navigator.showAbout(); });
    connect(command2, &QPushButton::clicked, this, [this] { m_context.navigator.showHelp(); });
    connect(cmdnext, &QPushButton::clicked, this,
            [this] { m_context.navigator.go(this, PageId::Drawings); });
    connect(cmdcan, &QPushButton::clicked, this, [] { wizardcancel(); });
    // The wizard starts with "次へ＞" in focus: Enter or Space begins the work.
    cmdnext->setFocus();

    m_timer1 = new LabelReveal(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(kRevealIntervalMs);
}

QLabel *splashfrm::addLabel(const char *name, const QString &text, const QFont &font, int left,
                            int top, int width, int height)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    placeTwips(label, left, top, width, height);
    return label;
}

QPushButton *splashfrm::addButton(const char *name, const QString &caption, int left, int width)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    placeTwips(button, left, kButtonTop, width, kButtonHeight);
    return button;
}

void splashfrm::load()
{
    // A missing or unreadable icon leaves the windows without one; the page opens all the same.
    frmtitleset();
    loadPicture();
    startReveal();
}

// The grid page (its twelve rows of lists, the check of the settings file) takes longer to build
// than the rest of the start: it is built when the first frame is on the screen.
bool splashfrm::event(QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_gridRequested) {
        m_gridRequested = true;
        QTimer::singleShot(0, this, [this] { m_context.navigator.load(PageId::Grid); });
    }
    return PageWindow::event(event);
}

// A missing or unreadable picture leaves Image1 empty.
void splashfrm::loadPicture()
{
    QPixmap picture(programFile(u"\\ico\\splash.bmp"));
    if (picture.isNull())
        return;
    if (picture.width() > m_image1->width() || picture.height() > m_image1->height())
        picture = picture.scaled(m_image1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_image1->setPixmap(picture);
}

void splashfrm::startReveal()
{
    m_timer1->add(m_label1, 3660, 35);
    m_timer1->add(m_label2, 4065, 35);
    m_timer1->add(m_label5, 3105, 35);
    m_timer1->add(m_label7, 1725, 10);
    m_timer1->add(m_label8, 1620, 10);
    m_timer1->start();
}

PageWindow *createWelcomePage(const PageContext &context)
{
    return new splashfrm(context);
}

} // namespace tavrolin
