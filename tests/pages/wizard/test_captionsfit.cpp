#include "core/shell/layout.h"
#include "support/wizardbench.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

enum class Window { Welcome, Drawings, Grid, Comment, Review, Finish, About, Help };

// Nothing when the caption's size fits the room, else what does not fit where.
QString misfit(const QWidget *widget, const QString &caption, QSize needed, QSize room)
{
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return {};
    return u"%1 \"%2\" needs %3×%4, has %5×%6"_s.arg(widget->objectName(), caption)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

// The room a label gives its text, and the size the text takes there.
QString misfit(const QLabel *label)
{
    const QString text = label->text();
    if (text.isEmpty() || label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
        return {};
    const int margin = label->margin();
    const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return misfit(label, text, label->fontMetrics().boundingRect(room, flags, text).size(),
                  room.size());
}

// The room a button's style gives its caption, and the size the caption takes.
QString misfit(const QAbstractButton *button)
{
    const auto *tool = qobject_cast<const QToolButton *>(button);
    if (button->text().isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
        return {};
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    const QRect room = button->style()->subElementRect(contents, &option, button);
    return misfit(button, button->text(),
                  button->fontMetrics().size(Qt::TextShowMnemonic, button->text()), room.size());
}

QList<QRect> labelGeometries(const QWidget *window)
{
    QList<QRect> geometries;
    for (const QLabel *label : window->findChildren<QLabel *>())
        geometries.append(label->geometry());
    return geometries;
}

// Plays the window's animations to their end at once: its running timers tick until no label
// moves or grows any more, so titles revealed step by step are checked at their full width.
void fastForward(QWidget *window)
{
    // A step may be less than a pixel: the animation has ended when many steps changed nothing.
    for (int still = 0, tick = 0; still < 100 && tick < 100000; ++tick) {
        const QList<QRect> before = labelGeometries(window);
        for (QTimer *timer : window->findChildren<QTimer *>()) {
            QTimerEvent event(timer->timerId());
            if (timer->isActive())
                QCoreApplication::sendEvent(timer, &event);
        }
        still = labelGeometries(window) == before ? still + 1 : 0;
    }
}

} // namespace

// Every label, button and check box of every window shows its whole caption: no caption is
// wider or taller than the room its widget gives it, in the font the widget really uses. The
// Windows build runs this on the windows platform too, with the system's own fonts.
class TestCaptionsFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everyCaptionFits_data();
    void everyCaptionFits();

private:
    QWidget *open(Window window);

    std::unique_ptr<test::WizardBench> m_bench;
};

// The font the program gives every window.
void TestCaptionsFit::initTestCase()
{
    QApplication::setFont(japaneseFont(9));
}

void TestCaptionsFit::init()
{
    m_bench = std::make_unique<test::WizardBench>();
    m_bench->folder.useShippedSettings();
    m_bench->wizard.start();
}

void TestCaptionsFit::cleanup()
{
    QVERIFY(test::WizardBench::closeAll());
    m_bench.reset();
}

QWidget *TestCaptionsFit::open(Window window)
{
    switch (window) {
    case Window::About:
        m_bench->wizard.showAbout();
        return test::WizardBench::window(u"frmAbout"_s);
    case Window::Help:
        m_bench->wizard.showHelp();
        return test::WizardBench::window(u"frmBrowser"_s);
    default:
        return m_bench->show(static_cast<PageId>(window));
    }
}

void TestCaptionsFit::everyCaptionFits_data()
{
    QTest::addColumn<Window>("window");
    QTest::newRow("welcome") << Window::Welcome;
    QTest::newRow("drawing list") << Window::Drawings;
    QTest::newRow("command grid") << Window::Grid;
    QTest::newRow("comment") << Window::Comment;
    QTest::newRow("review") << Window::Review;
    QTest::newRow("finish") << Window::Finish;
    QTest::newRow("about") << Window::About;
    QTest::newRow("help") << Window::Help;
}

void TestCaptionsFit::everyCaptionFits()
{
    QFETCH(Window, window);
    QWidget *shown = open(window);
    QVERIFY(shown);
    fastForward(shown);

    QStringList misfits;
    for (const QLabel *label : shown->findChildren<QLabel *>())
        misfits.append(misfit(label));
    for (const QAbstractButton *button : shown->findChildren<QAbstractButton *>())
        misfits.append(misfit(button));
    misfits.removeAll(QString());
    QVERIFY2(misfits.isEmpty(), qPrintable(misfits.join(u'\n')));

    const QString family = QFontInfo(shown->font()).family();
    QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese),
             qPrintable(family + u" has no Japanese"_s));
}

QTEST_MAIN(TestCaptionsFit)
#include "test_captionsfit.moc"
