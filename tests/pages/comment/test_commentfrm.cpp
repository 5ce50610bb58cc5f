#include "support/widgettexts.h"
#include "support/wizardbench.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QtTest>

using namespace tavrolin;
using tavrolin::test::asShown;
using tavrolin::test::WizardBench;

namespace {

const QString DateLine = QStringLiteral(";作成日時2000/05/06 15:00:16");

} // namespace

class TestCommentPage : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_bench = std::make_unique<WizardBench>(); }
    void cleanup();
    void initialBlock_data();
    void initialBlock();
    void missingTemplateOpensWithDateLine();
    void stampTakenOnce();
    void backKeepsEditsUnstored();
    void forwardStoresEdits();

private:
    QPlainTextEdit *box() const
    {
        return m_bench->control<QPlainTextEdit>(PageId::Comment, "RichTextBox1");
    }
    void click(const char *button) const { m_bench->click(PageId::Comment, button); }

    std::unique_ptr<WizardBench> m_bench;
};

void TestCommentPage::cleanup()
{
    QVERIFY(WizardBench::closeAll());
    m_bench.reset();
}

void TestCommentPage::initialBlock_data()
{
    QTest::addColumn<QString>("templateText");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("commentText");

    const QDateTime now = WizardBench::fixedNow();
    QTest::newRow("empty template") << QString() << now << DateLine + QStringLiteral("\r\n");
    QTest::newRow("comment line with its line break")
        << QStringLiteral("; 一括処理\r\n") << now
        << QStringLiteral("; 一括処理\r\n") + DateLine + QStringLiteral("\r\n");
    QTest::newRow("last line without a line break glues the date line to it")
        << QStringLiteral("; 図面\r\n; 一括処理") << now
        << QStringLiteral("; 図面\r\n; 一括処理") + DateLine + QStringLiteral("\r\n");
    QTest::newRow("lone line feeds come back as CR LF")
        << QStringLiteral(";a\n;b\n") << now
        << QStringLiteral(";a\r\n;b\r\n") + DateLine + QStringLiteral("\r\n");
    QTest::newRow("midnight stamps the date alone")
        << QString() << QDateTime(QDate(2000, 5, 6), QTime(0, 0))
        << QStringLiteral(";作成日時2000/05/06\r\n");
}

void TestCommentPage::initialBlock()
{
    QFETCH(QString, templateText);
    QFETCH(QDateTime, now);
    QFETCH(QString, commentText);

    m_bench->folder.writeCommentTemplate(templateText);
    m_bench->clock->set(now);
    m_bench->show(PageId::Comment);

    QCOMPARE(m_bench->session().CommentText, commentText);
    QCOMPARE(box()->toPlainText(), asShown(commentText));
    QVERIFY(m_bench->messages.shown().isEmpty());
}

void TestCommentPage::missingTemplateOpensWithDateLine()
{
    m_bench->show(PageId::Comment);

    QVERIFY(m_bench->isShown(PageId::Comment));
    QCOMPARE(m_bench->session().CommentText, DateLine + QStringLiteral("\r\n"));
    QCOMPARE(m_bench->messages.shown().size(), 1);
    const ShownMessage warning = m_bench->messages.shown().constFirst();
    QCOMPARE(warning.style, int(ExclamationWarning));
    QCOMPARE(warning.title, QStringLiteral("Tavrolin"));
    QVERIFY2(warning.text.contains(QDir::toNativeSeparators(
                 m_bench->folder.file(QStringLiteral("commentdata.dat")))) &&
                 warning.text.contains(QStringLiteral("ファイルが見つかりません")),
             qPrintable(warning.text));
}

void TestCommentPage::stampTakenOnce()
{
    m_bench->folder.writeCommentTemplate(QString());
    m_bench->show(PageId::Comment);
    m_bench->clock->set(WizardBench::fixedNow().addDays(1));

    click("Cmdbefore");
    QVERIFY(m_bench->isShown(PageId::Grid));
    m_bench->wizard.go(m_bench->wizard.loaded(PageId::Grid), PageId::Comment);
    click("cmdnext");

    QCOMPARE(m_bench->session().CommentText, DateLine + QStringLiteral("\r\n"));
}

void TestCommentPage::backKeepsEditsUnstored()
{
    m_bench->folder.writeCommentTemplate(QStringLiteral("; 図面\r\n"));
    m_bench->show(PageId::Comment);
    const QString stored = m_bench->session().CommentText;
    box()->moveCursor(QTextCursor::End);
    QTest::keyClicks(box(), QStringLiteral("; more"));

    click("Cmdbefore");

    QVERIFY(m_bench->isShown(PageId::Grid));
    QVERIFY(!m_bench->isShown(PageId::Comment));
    QCOMPARE(m_bench->session().CommentText, stored);
    m_bench->wizard.go(m_bench->wizard.loaded(PageId::Grid), PageId::Comment);
    QVERIFY(box()->toPlainText().endsWith(QStringLiteral("\n; more")));
}

void TestCommentPage::forwardStoresEdits()
{
    m_bench->folder.writeCommentTemplate(QStringLiteral("; 図面\r\n"));
    m_bench->show(PageId::Comment);
    box()->moveCursor(QTextCursor::End);
    QTest::keyClicks(box(), QStringLiteral("; first"));
    QTest::keyClick(box(), Qt::Key_Return);
    QTest::keyClicks(box(), QStringLiteral("; second"));

    click("cmdnext");

    QCOMPARE(m_bench->session().CommentText,
             QStringLiteral("; 図面\r\n") + DateLine + QStringLiteral("\r\n; first\r\n; second"));
    QVERIFY(m_bench->isShown(PageId::Review));
    QVERIFY(!m_bench->isShown(PageId::Comment));
}

QTEST_MAIN(TestCommentPage)
#include "test_commentfrm.moc"
