// The grid kept in a grid file: saved with Ctrl+S, opened with Ctrl+O and loaded through the
// cascade as the user would enter it, with the shipped settings file.

#include "core/shell/savedialog.h"
#include "generation/gridtexts.h"
#include "gridpageharness.h"
#include "support/userinput.h"

#include <QDir>
#include <QTemporaryDir>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

// A grid as the wizard composes it from the shipped settings, one row per line.
const QString kComposed = u"レイヤー\tL13\t表示しない\t終了\t終了\n"
                          u"レイヤー\t壁\t色番号で変える\t1\t終了\n"
                          u"画面\tすべて\tズームする\t倍率を決めて\t2x\n"
                          u"図面\tすべて\t名前を付けて保存する\t日付-1～xの形式\t終了\n"_s;

} // namespace

class TestGridFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void loading_data();
    void loading();
    void unreadableFileChangesNothing_data();
    void unreadableFileChangesNothing();
    void saving();

private:
    QStringList gridLines() const;
    void press(Qt::Key key, const QString &path) const;
    QString file(const QString &name) const { return m_files.filePath(name); }

    std::unique_ptr<test::GridPageHarness> m_grid;
    std::unique_ptr<ScriptedSaveDialog> m_dialog;
    QTemporaryDir m_files;
};

void TestGridFile::init()
{
    m_grid = std::make_unique<test::GridPageHarness>();
    m_grid->folder.useShippedSettings();
    m_dialog = std::make_unique<ScriptedSaveDialog>();
    m_grid->show();
}

void TestGridFile::cleanup()
{
    QVERIFY(test::WizardBench::closeAll());
    m_dialog.reset();
    m_grid.reset();
}

// Every row of the grid: its texts separated by TAB, a space and its enabled mask.
QStringList TestGridFile::gridLines() const
{
    QStringList lines;
    for (int row = 0; row < kGridRows; ++row)
        lines.append(m_grid->rowTexts(row).join(u'\t') + u' ' + m_grid->rowEnabled(row));
    return lines;
}

void TestGridFile::press(Qt::Key key, const QString &path) const
{
    test::pressForFile(*m_dialog, m_grid->page(), key, path);
}

// Each row: the grid file, the rows it leaves (texts and enabled mask; the rows after them
// empty and enabled) and the one message shown.
void TestGridFile::loading_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("message");

    QTest::newRow("a grid composed in the wizard")
        << kComposed
        << QStringList{u"レイヤー\tL13\t表示しない\t終了\t終了 11100"_s,
                       u"レイヤー\t壁\t色番号で変える\t1\t終了 11100"_s,
                       u"画面\tすべて\tズームする\t倍率を決めて\t2x 10111"_s,
                       u"図面\tすべて\t名前を付けて保存する\t日付-1～xの形式\t終了 10100"_s}
        << QString();
    QTest::newRow("texts no longer offered, rows ending early, CR LF")
        << u"レイヤー\tL99\t表示しない\r\n図面\tL13\t上書き保存する\t終了\t終了\r\n"_s
           u"\r\n画面\tすべて\tズーム\r\n"_s
        << QStringList{u"レイヤー\tL99\t表示しない\t\t 11111"_s,
                       u"図面\tすべて\t上書き保存する\t終了\t終了 10111"_s, u"\t\t\t\t 11111"_s,
                       u"画面\tすべて\tズーム\t\t 10111"_s}
        << u"グリッドファイルの次の文字は、今の設定ファイルの一覧にありません。\n"
           u"1段目 主語の名前: L99\n"
           u"2段目 主語の名前: L13（この欄には入れられません）\n"
           u"4段目 目的の種類: ズーム\n"
           u"一覧にない文字は入力された文字としてグリッドに入れました。確かめてください。"_s;
    // A line of five cells is taken as written, an empty action too; a shorter line ending at
    // "終了" ended there.
    QTest::newRow("rows ending at 終了, with five cells or fewer")
        << u"レイヤー\tL13\t表示しない\t終了\t\nレイヤー\tL13\t表示しない\t終了\n"_s
        << QStringList{u"レイヤー\tL13\t表示しない\t終了\t 11101"_s,
                       u"レイヤー\tL13\t表示しない\t終了\t終了 11111"_s}
        << QString();
}

// The grid held other texts and states before; the file's rows replace all of it, and no
// "この段は終了です" is shown for the rows finished on the way.
void TestGridFile::loading()
{
    QFETCH(QString, file);
    QFETCH(QStringList, rows);
    QFETCH(QString, message);
    for (int row = 0; row < kGridRows; ++row)
        m_grid->typeRow(row, {u"古い"_s, u"古い"_s});
    m_grid->cell(6, 3)->setEnabled(false);
    test::writeBytes(this->file(u"grid.txt"_s), file.toUtf8());
    press(Qt::Key_O, this->file(u"grid.txt"_s));
    QCOMPARE(m_dialog->lastCaption(), u"グリッドを開く"_s);
    while (rows.size() < kGridRows)
        rows.append(u"\t\t\t\t 11111"_s);
    QCOMPARE(gridLines(), rows);
    QCOMPARE(m_grid->messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
}

// Each row: the file's bytes (none: no file) and the start of the warning.
void TestGridFile::unreadableFileChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("warning");

    QTest::newRow("missing") << QByteArray() << u"グリッドファイル %1 を読めません: "_s;
    QTest::newRow("thirteen rows")
        << QByteArray(13, '\n') << u"グリッドファイル %1 を読めません: 12行まで"_s;
    QTest::newRow("a control character")
        << QByteArray("a\tb\x1b\n") << u"グリッドファイル %1 を読めません: 1行目の2番目"_s;
    QTest::newRow("no text") << QByteArray("\t\t\n\n")
                             << u"グリッドファイル %1 を読めません: どのセルにも文字がありません"_s;
}

void TestGridFile::unreadableFileChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, warning);
    const QString path = file(u"bad.txt"_s);
    if (!bytes.isEmpty())
        test::writeBytes(path, bytes);
    m_grid->typeRow(0, {u"レイヤー"_s, u"L13"_s});
    const QStringList before = gridLines();
    press(Qt::Key_O, path);
    QCOMPARE(gridLines(), before);
    QCOMPARE(m_grid->messages.shown().size(), 1);
    QVERIFY2(
        m_grid->messages.texts().first().startsWith(warning.arg(QDir::toNativeSeparators(path))),
        qPrintable(m_grid->messages.texts().first()));
}

// The file holds the rows up to the last one with a text; a name without extension gets
// ".txt"; an existing file is replaced only when the user agrees; a cell holding a TAB writes
// nothing.
void TestGridFile::saving()
{
    m_grid->typeRow(0, {u"レイヤー"_s, u"L13"_s, u"表示しない"_s, u"終了"_s, u"終了"_s});
    m_grid->typeRow(2, {u"画面"_s, u"すべて"_s});
    const QByteArray expected = u"レイヤー\tL13\t表示しない\t終了\t終了\n\t\t\t\t\n"
                                u"画面\tすべて\t\t\t\n"_s.toUtf8();
    press(Qt::Key_S, file(u"kept"_s));
    QCOMPARE(m_dialog->lastCaption(), u"グリッドを保存"_s);
    QCOMPARE(test::readBytes(file(u"kept.txt"_s)), expected);
    QVERIFY(m_grid->messages.shown().isEmpty());

    m_grid->type(0, 1, u"L14"_s);
    press(Qt::Key_S, file(u"kept.txt"_s)); // the question is answered No
    QCOMPARE(m_grid->messages.texts(), QStringList{u"%1 はもうあります。置き換えますか？"_s.arg(
                                           QDir::toNativeSeparators(file(u"kept.txt"_s)))});
    QCOMPARE(test::readBytes(file(u"kept.txt"_s)), expected);
    m_grid->messages.queueAnswer(AnswerYes);
    press(Qt::Key_S, file(u"kept.txt"_s));
    QCOMPARE(test::readBytes(file(u"kept.txt"_s)), QByteArray(expected).replace("L13", "L14"));

    m_grid->messages.clear();
    m_grid->type(1, 0, u"a\tb"_s);
    press(Qt::Key_S, file(u"tab.txt"_s));
    QVERIFY(!QFile::exists(file(u"tab.txt"_s)));
    QCOMPARE(m_grid->messages.texts(),
             QStringList{u"グリッドファイル %1 を保存できません: 2段目の1番目のセルに制御文字が"
                         u"あります"_s.arg(QDir::toNativeSeparators(file(u"tab.txt"_s)))});
}

QTEST_MAIN(TestGridFile)
#include "test_gridfile.moc"
