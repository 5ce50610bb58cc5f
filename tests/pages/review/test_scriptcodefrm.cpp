#include "generation/scriptfile.h"
#include "pages/review/chunkedtextfill.h"
#include "support/testfiles.h"
#include "support/widgettexts.h"
#include "support/wizardbench.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QPlainTextEdit>
#include <QtTest>

using namespace tavrolin;
using tavrolin::test::asShown;
using tavrolin::test::WizardBench;

namespace {

// One drawing with one command line, and a comment block of two lines.
const QString OneDrawing = QStringLiteral("\r\n.open C:\\a\\p1.dwg\r\n-layer of L13 ");
const QString Comment = QStringLiteral("; 図面\r\n;作成日時2000/05/06 15:00:16\r\n");

// The same file as bytes: code page 932 ("図面" is 90 7D 96 CA, "作成日時" 8D EC 90 AC 93 FA
// 8E 9E), then the CR LF that ends the file.
const QByteArray OneDrawingFile =
    QByteArrayLiteral(".filedia 0\r\n.open C:\\a\\p1.dwg\r\n-layer of L13 \r\n.filedia 1 \r\n"
                      "; \x90\x7d\x96\xca\r\n;\x8d\xec\x90\xac\x93\xfa\x8e\x9e"
                      "2000/05/06 15:00:16\r\n\r\n");

} // namespace

class TestReviewPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void forwardWritesWorkingFile_data();
    void forwardWritesWorkingFile();
    void textRebuiltWhenShownAgain();
    void boxIsReadOnly();
    void missingScrFolderIsCreated();
    void unwritableWorkingFile_data();
    void unwritableWorkingFile();
    void lostCharactersAsked_data();
    void lostCharactersAsked();
    void manyLostLinesAreCounted();
    void backShowsCommentPage();

private:
    QPlainTextEdit *box() const
    {
        return m_bench->control<QPlainTextEdit>(PageId::Review, "RichTextBox1");
    }
    void click(const char *button) const { m_bench->click(PageId::Review, button); }
    QString workingFile() const { return m_bench->folder.file(QStringLiteral("scr/tmp.scr")); }

    std::unique_ptr<WizardBench> m_bench;
};

void TestReviewPage::init()
{
    m_bench = std::make_unique<WizardBench>();
    m_bench->session().ScriptText = OneDrawing;
    m_bench->session().CommentText = Comment;
}

void TestReviewPage::cleanup()
{
    QVERIFY(WizardBench::closeAll());
    m_bench.reset();
}

void TestReviewPage::forwardWritesWorkingFile_data()
{
    QTest::addColumn<QString>("scriptText");
    QTest::addColumn<QString>("commentText");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("one drawing, one command line") << OneDrawing << Comment << OneDrawingFile;
    QTest::newRow("no script lines")
        << QString() << QStringLiteral(";c\r\n")
        << QByteArrayLiteral(".filedia 0\r\n.filedia 1 \r\n;c\r\n\r\n");
    QTest::newRow("comment without a final line break")
        << QString() << QStringLiteral(";c")
        << QByteArrayLiteral(".filedia 0\r\n.filedia 1 \r\n;c\r\n");
    // The box takes a long text in pieces; here a CR LF sits right where the first piece would
    // end, and must still give one line break, not two.
    const QString longLine(ChunkedTextFill::kPieceLength - 14, u'x');
    const QString large = QStringLiteral("\r\n;") + longLine + QStringLiteral("\r\n;end");
    QTest::newRow("long script, comment ending in a lone CR")
        << large << QStringLiteral(";c\r")
        << ".filedia 0" + large.toLatin1() + QByteArrayLiteral("\r\n.filedia 1 \r\n;c\r\r\n");
}

void TestReviewPage::forwardWritesWorkingFile()
{
    QFETCH(QString, scriptText);
    QFETCH(QString, commentText);
    QFETCH(QByteArray, bytes);

    m_bench->session().ScriptText = scriptText;
    m_bench->session().CommentText = commentText;
    m_bench->show(PageId::Review);
    QTRY_COMPARE(box()->toPlainText(), asShown(scriptFileText(scriptText, commentText)));

    click("cmdnext");

    QCOMPARE(test::readBytes(workingFile()), bytes);
    QVERIFY(m_bench->isShown(PageId::Finish));
    QVERIFY(!m_bench->isShown(PageId::Review));
    QVERIFY(m_bench->messages.shown().isEmpty());
}

void TestReviewPage::textRebuiltWhenShownAgain()
{
    m_bench->wizard.load(PageId::Comment); // its load stores a comment of its own
    m_bench->session().CommentText = Comment;
    m_bench->show(PageId::Review);
    QTest::keyClicks(box(), QStringLiteral("typed"));
    click("Cmdbefore");
    m_bench->wizard.go(m_bench->wizard.loaded(PageId::Comment), PageId::Review);
    QTRY_COMPARE(box()->toPlainText(), asShown(scriptFileText(OneDrawing, Comment)));

    click("Cmdbefore");
    m_bench->session().ScriptText = QStringLiteral("\r\n.open C:\\a\\p2.dwg\r\nzoom e ");
    m_bench->session().CommentText = QStringLiteral(";new");
    m_bench->wizard.go(m_bench->wizard.loaded(PageId::Comment), PageId::Review);

    QTRY_COMPARE(box()->toPlainText(),
                 QStringLiteral(".filedia 0\n.open C:\\a\\p2.dwg\nzoom e \n.filedia 1 \n;new"));
}

// What the box shows is what is written: typing, deleting and pasting change nothing, and the
// text can be selected and copied.
void TestReviewPage::boxIsReadOnly()
{
    m_bench->show(PageId::Review);
    QTRY_VERIFY(box()->toPlainText().endsWith(QStringLiteral("15:00:16\n")));
    const QString shown = box()->toPlainText();
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    box()->moveCursor(QTextCursor::End);
    QTest::keyClicks(box(), QStringLiteral("typed"));
    QTest::keyClick(box(), Qt::Key_Backspace);
    QTest::keySequence(box(), QKeySequence::Paste);
    QCOMPARE(box()->toPlainText(), shown);
    QTest::keySequence(box(), QKeySequence::SelectAll);
    QTest::keySequence(box(), QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text(), shown);

    click("cmdnext");

    QCOMPARE(test::readBytes(workingFile()), OneDrawingFile);
}

void TestReviewPage::missingScrFolderIsCreated()
{
    QVERIFY(QDir(m_bench->folder.file(QStringLiteral("scr"))).removeRecursively());
    m_bench->show(PageId::Review);

    click("cmdnext");

    QCOMPARE(test::readBytes(workingFile()), OneDrawingFile);
    QVERIFY(m_bench->isShown(PageId::Finish));
}

// Tests run as root in CI, where permissions stop no write: a folder named tmp.scr blocks the
// working file, a file named scr the program folder's "scr", a file named user the user's folder.
void TestReviewPage::unwritableWorkingFile_data()
{
    QTest::addColumn<QStringList>("folders"); // made in the test's program folder
    QTest::addColumn<QStringList>("files");   // made there, in place of folders
    QTest::addColumn<QString>("written");     // the working file written, or ""
    QTest::addColumn<QStringList>("said");    // in the warning; %1 is the program folder

    const QString aFile = QStringLiteral(": フォルダーのはずの場所がファイルです");
    QTest::newRow("a folder named tmp.scr")
        << QStringList{QStringLiteral("scr/tmp.scr")} << QStringList() << QString()
        << QStringList{
               QStringLiteral("%1/scr/tmp.scr を書き込めません。\nファイルではなくフォルダーです")};
    QTest::newRow("the program folder's scr cannot be written: the user's folder")
        << QStringList() << QStringList{QStringLiteral("scr")} << QStringLiteral("user/scr/tmp.scr")
        << QStringList();
    QTest::newRow("neither folder can be written")
        << QStringList() << QStringList{QStringLiteral("scr"), QStringLiteral("user")} << QString()
        << QStringList{QStringLiteral("%1/scr") + aFile, QStringLiteral("%1/user/scr") + aFile};
}

void TestReviewPage::unwritableWorkingFile()
{
    QFETCH(QStringList, folders);
    QFETCH(QStringList, files);
    QFETCH(QString, written);
    QFETCH(QStringList, said);

    for (const QString &folder : folders)
        QVERIFY(QDir().mkpath(m_bench->folder.file(folder)));
    for (const QString &file : files) {
        QVERIFY(QDir(m_bench->folder.file(file)).removeRecursively());
        test::writeBytes(m_bench->folder.file(file), "in the way");
    }
    m_bench->show(PageId::Review);

    click("cmdnext");

    QCOMPARE(m_bench->isShown(PageId::Finish), !written.isEmpty());
    if (!written.isEmpty())
        QCOMPARE(test::readBytes(m_bench->folder.file(written)), OneDrawingFile);
    const QStringList texts = m_bench->messages.texts();
    QCOMPARE(texts.size(), said.isEmpty() ? 0 : 1);
    for (const QString &part : said)
        QVERIFY2(texts.first().contains(QDir::toNativeSeparators(part.arg(m_bench->folder.path()))),
                 qPrintable(texts.first()));
}

void TestReviewPage::lostCharactersAsked_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("Yes writes them as '?'")
        << int(AnswerYes)
        << QByteArrayLiteral(".filedia 0\r\n.open C:\\a\\M?ller.dwg\r\n.filedia 1 \r\n;c\r\n");
    QTest::newRow("No writes nothing") << int(AnswerNo) << QByteArray();
}

void TestReviewPage::lostCharactersAsked()
{
    QFETCH(int, answer);
    QFETCH(QByteArray, bytes);

    m_bench->session().ScriptText = QStringLiteral("\r\n.open C:\\a\\Müller.dwg");
    m_bench->session().CommentText = QStringLiteral(";c");
    m_bench->messages.queueAnswer(answer);
    m_bench->show(PageId::Review);

    click("cmdnext");

    QCOMPARE(m_bench->messages.shown().size(), 1);
    const ShownMessage question = m_bench->messages.shown().constFirst();
    QCOMPARE(question.style, ExclamationQuestion | NoByDefault);
    QVERIFY2(question.text.contains(QStringLiteral("2行目: .open C:\\a\\Müller.dwg")),
             qPrintable(question.text));
    QVERIFY(question.text.contains(QStringLiteral("'?'")));
    QCOMPARE(test::readBytes(workingFile()), bytes);
    QCOMPARE(m_bench->isShown(PageId::Finish), answer == AnswerYes);
    QCOMPARE(m_bench->isShown(PageId::Review), answer != AnswerYes);
}

// Five lines are listed; the question says how many more there are.
void TestReviewPage::manyLostLinesAreCounted()
{
    m_bench->session().ScriptText = QStringLiteral("\r\n.open C:\\a\\Müller.dwg").repeated(7);
    m_bench->messages.queueAnswer(AnswerNo);
    m_bench->show(PageId::Review);

    click("cmdnext");

    const QString question = m_bench->messages.shown().constFirst().text;
    QCOMPARE(question.count(QStringLiteral("行目: ")), 5);
    QVERIFY2(question.contains(QStringLiteral("6行目: .open")) &&
                 question.contains(QStringLiteral("\nほかに2行あります。\n")),
             qPrintable(question));
}

void TestReviewPage::backShowsCommentPage()
{
    m_bench->show(PageId::Review);

    click("Cmdbefore");

    QVERIFY(m_bench->isShown(PageId::Comment));
    QVERIFY(!m_bench->isShown(PageId::Review));
    QVERIFY(!QFile::exists(workingFile()));
}

QTEST_MAIN(TestReviewPage)
#include "test_scriptcodefrm.moc"
