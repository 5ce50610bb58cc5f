#include "support/wizardbench.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

class TestFrmAbout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsNameVersionAndDescription_data();
    void showsNameVersionAndDescription();
    void captionFallsBackWhenAnotherWindowLoads();
    void okClosesOnlyTheAboutBox();
    void systemInformationIsUnavailableHere();
    void missingIconStillOpensTheWindow();

private:
    PageWindow *openAbout();
    QPushButton *button(const char *name) const;

    std::unique_ptr<test::WizardBench> m_bench;
    QPointer<PageWindow> m_about;
};

void TestFrmAbout::init()
{
    m_bench = std::make_unique<test::WizardBench>();
    m_bench->folder.useShippedSettings();
}

void TestFrmAbout::cleanup()
{
    QVERIFY(test::WizardBench::closeAll());
    m_bench.reset();
}

PageWindow *TestFrmAbout::openAbout()
{
    m_bench->wizard.start();
    m_bench->wizard.showAbout();
    m_about = test::WizardBench::window(u"frmAbout"_s);
    return m_about;
}

QPushButton *TestFrmAbout::button(const char *name) const
{
    return m_about->findChild<QPushButton *>(QLatin1String(name));
}

void TestFrmAbout::showsNameVersionAndDescription_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("title") << u"lblTitle"_s << u"タヴロリンへようこそ"_s;
    QTest::newRow("version") << u"lblVersion"_s << u"ver 1.00"_s;
    QTest::newRow("description")
        << u"lblDescription"_s << u"説明：Autocad用スクリプト自動作成を行なうために使用します。"_s;
}

void TestFrmAbout::showsNameVersionAndDescription()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    QVERIFY(openAbout());
    QCOMPARE(m_about->findChild<QLabel *>(label)->text(), text);
    QCOMPARE(m_about->windowTitle(), u"Tavrolinのバージョン情報"_s);
    QVERIFY(!m_about->windowIcon().isNull());
    QVERIFY(!m_about->findChild<QLabel *>(u"picIcon"_s)->pixmap().isNull());
    QCOMPARE(button("cmdSysInfo")->text(), u"ｼｽﾃﾑ情報(&S)..."_s);
}

void TestFrmAbout::captionFallsBackWhenAnotherWindowLoads()
{
    openAbout();
    m_bench->wizard.load(PageId::Drawings);
    QCOMPARE(m_about->windowTitle(), u"Tavrolin"_s);
}

void TestFrmAbout::okClosesOnlyTheAboutBox()
{
    openAbout();
    QTest::mouseClick(button("cmdOK"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_about);
    QVERIFY(m_bench->wizard.loaded(PageId::Welcome)->isVisible());
    QTRY_VERIFY(m_bench->wizard.loaded(PageId::Grid)); // loaded once the start is painted
}

// This platform has no system information tool: the one box without the product's title.
void TestFrmAbout::systemInformationIsUnavailableHere()
{
    openAbout();
    QTest::mouseClick(button("cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(m_bench->messages.shown().size(), 1);
    const ShownMessage &message = m_bench->messages.shown().first();
    QCOMPARE(message.text, u"現時点ではｼｽﾃﾑ情報を使用できません"_s);
    QCOMPARE(message.style, 0);
    QCOMPARE(message.title, QGuiApplication::applicationDisplayName());
    QVERIFY(message.title != productName());
    QVERIFY(m_about->isVisible());
}

void TestFrmAbout::missingIconStillOpensTheWindow()
{
    QVERIFY(QFile::remove(m_bench->folder.file(u"ico/sw.ico"_s)));
    QVERIFY(openAbout());
    QVERIFY(m_about->isVisible());
    QVERIFY(m_about->findChild<QLabel *>(u"picIcon"_s)->pixmap().isNull());
    QCOMPARE(m_about->windowTitle(), u"Tavrolinのバージョン情報"_s);
}

QTEST_MAIN(TestFrmAbout)
#include "test_frmabout.moc"
