#include "core/drawinglistfile.h"
#include "generation/gridtextfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

// The drawing list file and the grid file, written and read back: the texts come back as they
// were, a character U+FEFF at the start included, which a file without a mark of its own would
// give as its byte-order mark.
class TestTextFiles : public QObject
{
    Q_OBJECT

private slots:
    void readBackAsWritten_data();
    void readBackAsWritten();

private:
    QTemporaryDir m_dir;
};

void TestTextFiles::readBackAsWritten_data()
{
    QTest::addColumn<QString>("text"); // a drawing's name, in the list's folder
    QTest::newRow("plain") << u"p1.dwg"_s;
    QTest::newRow("Japanese") << u"二階.dwg"_s;
    QTest::newRow("U+FEFF first") << u"\uFEFFp1.dwg"_s;
    QTest::newRow("U+FEFF twice first") << u"\uFEFF\uFEFFp.dwg"_s;
    QTest::newRow("U+FEFF inside") << u"p\uFEFF1.dwg"_s;
}

void TestTextFiles::readBackAsWritten()
{
    QFETCH(QString, text);
    const QString listPath = m_dir.filePath(u"drawings.txt"_s);
    QString error;
    QVERIFY2(writeDrawingListFile(listPath, {text, u"b.dwg"_s}, &error), qPrintable(error));
    DrawingListFile list;
    QVERIFY2(readDrawingListFile(listPath, &list, &error), qPrintable(error));
    QCOMPARE(list.drawings, (QStringList{QDir::toNativeSeparators(m_dir.filePath(text)),
                                         QDir::toNativeSeparators(m_dir.filePath(u"b.dwg"_s))}));

    const QString gridPath = m_dir.filePath(u"grid.txt"_s);
    GridTextTable grid;
    grid.setCellText(0, SubjectType, text);
    grid.setCellText(1, Action, text);
    QVERIFY2(writeGridTextFile(gridPath, grid, &error), qPrintable(error));
    GridTextTable again;
    QVERIFY2(readGridTextFile(gridPath, &again, &error), qPrintable(error));
    QCOMPARE(again.cellText(0, SubjectType), text);
    QCOMPARE(again.cellText(1, Action), text);
}

QTEST_GUILESS_MAIN(TestTextFiles)
#include "test_textfiles.moc"
