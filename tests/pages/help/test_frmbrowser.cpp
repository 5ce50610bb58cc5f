#include "pages/wizard/pagefactories.h"
#include "support/windowbench.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// An HTTP server on the loopback that holds every request until the test lets it answer, so a
// page stays loading as long as the test wants.
class HeldHttpServer
{
public:
    HeldHttpServer() { m_server.listen(QHostAddress::LocalHost); }

    QString address(const QString &path) const
    {
        return u"http://127.0.0.1:%1/%2"_s.arg(m_server.serverPort()).arg(path);
    }

    bool waitForRequest() { return m_server.waitForNewConnection(5000); }

    void answer(const QByteArray &html)
    {
        QTcpSocket *socket = m_server.nextPendingConnection();
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
                      "Connection: close\r\nContent-Length: " +
                      QByteArray::number(html.size()) + "\r\n\r\n" + html);
        socket->disconnectFromHost();
    }

private:
    QTcpServer m_server;
};

const QString kHomeTitle = u"Tavrolin 使用方法"_s;
const QString kHelp3Title = u"Tavrolin 操作説明"_s;
const QString kErrorTitle = u"ページを表示できません"_s;

// How a test types an address.
enum AddressForm { Path, FileUrl, AsTyped };

} // namespace

class TestFrmBrowser : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsAtTheHelpHomePage();
    void captionSaysConnectingWhileAPageLoads();
    void enterShowsTheTypedAddress_data();
    void enterShowsTheTypedAddress();
    void listEntryReturnsHome();
    void linksAndHistoryStepBackAndForward_data();
    void linksAndHistoryStepBackAndForward();
    void missingHomePageStillOpensTheWindow();

private:
    void open();
    void typeAddress(const QString &address);
    QString homePath() const;
    QComboBox *address() const;
    QTextBrowser *viewer() const;
    QWidget *toolButton(const char *key) const;

    std::unique_ptr<test::WindowBench> m_bench;
    QPointer<PageWindow> m_window;
};

void TestFrmBrowser::init()
{
    m_bench = std::make_unique<test::WindowBench>();
}

void TestFrmBrowser::cleanup()
{
    QVERIFY(test::WindowBench::closeAll());
    QVERIFY(m_bench->messages.shown().isEmpty());
    m_bench.reset();
}

void TestFrmBrowser::open()
{
    m_window = createHelpBrowser();
    QVERIFY(m_window->isVisible());
}

void TestFrmBrowser::typeAddress(const QString &text)
{
    address()->lineEdit()->clear();
    QTest::keyClicks(address(), text);
    QTest::keyClick(address(), Qt::Key_Return);
}

QString TestFrmBrowser::homePath() const
{
    return QDir::toNativeSeparators(m_bench->folder.file(u"help/masterhelp.htm"_s));
}

QComboBox *TestFrmBrowser::address() const
{
    return m_window->findChild<QComboBox *>(u"cboAddress"_s);
}

QTextBrowser *TestFrmBrowser::viewer() const
{
    return m_window->findChild<QTextBrowser *>(u"brwWebBrowser"_s);
}

QWidget *TestFrmBrowser::toolButton(const char *key) const
{
    auto *toolBar = m_window->findChild<QToolBar *>(u"tbToolBar"_s);
    return toolBar->widgetForAction(toolBar->findChild<QAction *>(QLatin1String(key)));
}

void TestFrmBrowser::startsAtTheHelpHomePage()
{
    open();
    QCOMPARE(m_window->windowTitle(), u"Tavrolin"_s);
    QCOMPARE(address()->currentText(), homePath());
    QCOMPARE(address()->count(), 1);
    QCOMPARE(address()->itemText(0), homePath());
    QTRY_COMPARE(m_window->windowTitle(), kHomeTitle);
    QCOMPARE(viewer()->source(),
             QUrl::fromLocalFile(m_bench->folder.file(u"help/masterhelp.htm"_s)));
    QVERIFY(!toolButton("Back")->isEnabled());
    QVERIFY(!toolButton("Forward")->isEnabled());
}

void TestFrmBrowser::captionSaysConnectingWhileAPageLoads()
{
    HeldHttpServer server;
    open();
    QTRY_COMPARE(m_window->windowTitle(), kHomeTitle);
    typeAddress(server.address(u"slow.htm"_s));
    QVERIFY(server.waitForRequest());
    QTRY_COMPARE(m_window->windowTitle(), u"接続中..."_s);
    server.answer("<html><head><title>遅いページ</title></head><body>届きました</body></html>");
    QTRY_COMPARE(m_window->windowTitle(), u"遅いページ"_s);
    QCOMPARE(viewer()->toPlainText(), u"届きました"_s);
}

void TestFrmBrowser::enterShowsTheTypedAddress_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("typed"); // a file of the program folder, or as typed
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shownText"); // %1: the address as typed
    QTest::newRow("path of a help page")
        << int(Path) << u"help/help3.htm"_s << kHelp3Title << u"主語の種類"_s;
    QTest::newRow("file address") << int(FileUrl) << u"help/help3.htm"_s << kHelp3Title
                                  << u"主語の種類"_s;
    QTest::newRow("missing file") << int(Path) << u"help/none.htm"_s << kErrorTitle
                                  << u"%1\n理由：ファイルが見つかりません"_s;
    QTest::newRow("folder") << int(Path) << u"help"_s << kErrorTitle
                            << u"%1\n理由：ファイルではなくフォルダーです"_s;
    QTest::newRow("no such server")
        << int(AsTyped) << u"http://127.0.0.1:1/none.htm"_s << kErrorTitle << u"%1"_s;
}

void TestFrmBrowser::enterShowsTheTypedAddress()
{
    QFETCH(int, form);
    QFETCH(QString, typed);
    QFETCH(QString, title);
    QFETCH(QString, shownText);
    if (form == Path)
        typed = QDir::toNativeSeparators(m_bench->folder.file(typed));
    else if (form == FileUrl)
        typed = QUrl::fromLocalFile(m_bench->folder.file(typed)).toString();
    open();
    QTRY_COMPARE(m_window->windowTitle(), kHomeTitle);
    typeAddress(typed);
    QTRY_COMPARE(m_window->windowTitle(), title);
    QVERIFY2(viewer()->toPlainText().contains(shownText.replace(u"%1"_s, typed)),
             qPrintable(viewer()->toPlainText()));
    QCOMPARE(address()->count(), 1);
}

void TestFrmBrowser::listEntryReturnsHome()
{
    open();
    typeAddress(m_bench->folder.file(u"help/help3.htm"_s));
    QTRY_COMPARE(m_window->windowTitle(), kHelp3Title);
    address()->showPopup();
    QAbstractItemView *list = address()->view();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    QTRY_COMPARE(m_window->windowTitle(), kHomeTitle);
    QCOMPARE(address()->currentText(), homePath());
}

void TestFrmBrowser::linksAndHistoryStepBackAndForward_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("target"); // in the help folder
    QTest::addColumn<QString>("title");
    QTest::newRow("to another page") << u"短い操作説明"_s << u"help3.htm"_s << kHelp3Title;
    QTest::newRow("to an anchor of the page")
        << u"コマンドラインで使う"_s << u"masterhelp.htm#cli"_s << kHomeTitle;
}

// A link followed with a click, then back and forward again: each step shows its page where it
// stood, an anchor in view.
void TestFrmBrowser::linksAndHistoryStepBackAndForward()
{
    QFETCH(QString, link);
    QFETCH(QString, target);
    QFETCH(QString, title);
    QUrl targetUrl =
        QUrl::fromLocalFile(m_bench->folder.file(u"help/"_s + target.section(u'#', 0, 0)));
    targetUrl.setFragment(target.section(u'#', 1), QUrl::DecodedMode);
    const QString targetAddress = targetUrl.hasFragment()
                                      ? targetUrl.toString()
                                      : QDir::toNativeSeparators(targetUrl.toLocalFile());
    open();
    QTRY_COMPARE(m_window->windowTitle(), kHomeTitle);
    const QTextCursor found = viewer()->document()->find(link);
    QVERIFY(!found.isNull());
    QTextCursor inside(viewer()->document());
    inside.setPosition(found.selectionStart() + 2);
    viewer()->setTextCursor(inside);
    viewer()->ensureCursorVisible();
    QTest::mouseClick(viewer()->viewport(), Qt::LeftButton, {},
                      viewer()->cursorRect(inside).center());
    QTRY_COMPARE(address()->currentText(), targetAddress);
    QTRY_COMPARE(m_window->windowTitle(), title);
    const int shownAt = viewer()->verticalScrollBar()->value();
    QCOMPARE(shownAt > 0, targetUrl.hasFragment());

    QVERIFY(toolButton("Back")->isEnabled());
    QVERIFY(!toolButton("Forward")->isEnabled());
    QTest::mouseClick(toolButton("Back"), Qt::LeftButton);
    QTRY_COMPARE(m_window->windowTitle(), kHomeTitle);
    QCOMPARE(address()->currentText(), homePath());
    QVERIFY(!toolButton("Back")->isEnabled());
    QVERIFY(toolButton("Forward")->isEnabled());
    QTest::mouseClick(toolButton("Forward"), Qt::LeftButton);
    QTRY_COMPARE(m_window->windowTitle(), title);
    QCOMPARE(address()->currentText(), targetAddress);
    QCOMPARE(viewer()->verticalScrollBar()->value(), shownAt);
}

void TestFrmBrowser::missingHomePageStillOpensTheWindow()
{
    QVERIFY(QFile::remove(m_bench->folder.file(u"help/masterhelp.htm"_s)));
    open();
    QCOMPARE(address()->currentText(), homePath());
    QTRY_COMPARE(m_window->windowTitle(), kErrorTitle);
    QVERIFY(viewer()->toPlainText().contains(homePath()));
}

QTEST_MAIN(TestFrmBrowser)
#include "test_frmbrowser.moc"
