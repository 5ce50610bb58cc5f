#include "preflight/preflightcheck.h"
#include "support/checkeddrawings.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

// The rules of the check, each finding once with drawings that have it and once with drawings
// that do not, on the folder of checkeddrawings.h.
class TestPreflightCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void findings_data();
    void findings();
    void stopsWhenAsked();

private:
    QTemporaryDir m_dir;
};

void TestPreflightCheck::initTestCase()
{
    test::makeCheckedDrawings(QDir(m_dir.path()));
}

// Each row: the drawings (names in the folder), the release's year (0: none), what the script
// saves (none, or "in place", "dxf" and "d=name" for a save-as of drawing d), and the findings
// as "d code".
void TestPreflightCheck::findings_data()
{
    QTest::addColumn<QStringList>("drawings");
    QTest::addColumn<int>("release");
    QTest::addColumn<QStringList>("saves");
    QTest::addColumn<QStringList>("expected");
    const QStringList none;
    QTest::newRow("drawings of every kind, a DXF without header")
        << QStringList{u"r2000.dwg"_s, u"r2007.dxf"_s, u"r12.dxf"_s, u"binary.dxf"_s,
                       u"headerless.dxf"_s}
        << 2018 << QStringList{u"in place"_s, u"dxf"_s} << none;
    QTest::newRow("missing") << QStringList{u"gone.dwg"_s, u"r2000.dwg"_s} << 0 << none
                             << QStringList{u"0 missing"_s};
    QTest::newRow("not drawings") << QStringList{u"empty.dwg"_s, u"text.dxf"_s, u"nomark.dwg"_s,
                                                 u"folder.dwg"_s}
                                  << 0 << none
                                  << QStringList{u"0 not-drawing"_s, u"1 not-drawing"_s,
                                                 u"2 not-drawing"_s, u"3 not-drawing"_s};
    QTest::newRow("2002 opens AC1015, not AC1018") << QStringList{u"r2000.dwg"_s, u"r2004.dwg"_s}
                                                   << 2002 << none << QStringList{u"1 too-new"_s};
    QTest::newRow("2004 opens AC1018, binary too")
        << QStringList{u"r2004.dwg"_s, u"binary.dxf"_s} << 2004 << none << none;
    QTest::newRow("2002: DXF of 2007, binary DXF of 2004, a mark no release names")
        << QStringList{u"r2007.dxf"_s, u"binary.dxf"_s, u"future.dwg"_s, u"headerless.dxf"_s,
                       u"comments.dxf"_s}
        << 2002 << none
        << QStringList{u"0 too-new"_s, u"1 too-new"_s, u"2 too-new"_s, u"4 too-new"_s};
    QTest::newRow("R12 opens R12, not R14")
        << QStringList{u"r12.dxf"_s, u"r14.dwg"_s} << 12 << none << QStringList{u"1 too-new"_s};
    QTest::newRow("no release, no format too new")
        << QStringList{u"r2018.dwg"_s, u"future.dwg"_s} << 0 << none << none;
    QTest::newRow("read-only, saved in place")
        << QStringList{u"readonly.dwg"_s, u"r2000.dwg"_s} << 0 << QStringList{u"in place"_s}
        << QStringList{u"0 read-only"_s};
    QTest::newRow("read-only, not saved in place")
        << QStringList{u"readonly.dwg"_s} << 0 << QStringList{u"dxf"_s} << none;
    QTest::newRow("lock files in any letter case")
        << QStringList{u"locked.dwg"_s, u"locked2.dwg"_s, u"r2000.dwg"_s} << 0 << none
        << QStringList{u"0 locked"_s, u"1 locked"_s};
    QStringList again{u"r2000.dwg"_s, u"r2004.dwg"_s, u"r2000.dwg"_s, u"sub/../r2004.dwg"_s};
    QStringList duplicates{u"2 duplicate"_s, u"3 duplicate"_s};
#ifndef Q_OS_WIN
    again.append(u"link.dwg"_s);
    duplicates.append(u"4 duplicate"_s);
#endif
    QTest::newRow("the same file again, by its path, through .. or a link")
        << again << 0 << none << duplicates;
    QTest::newRow("save-as onto a drawing of the list")
        << QStringList{u"r2000.dwg"_s, u"r2004.dwg"_s} << 0
        << QStringList{u"0=r2004.dwg"_s, u"1=new.dwg"_s}
        << QStringList{u"0 target-exists"_s, u"0 target-in-list"_s};
    QTest::newRow("save-as onto another file")
        << QStringList{u"r2000.dwg"_s, u"r14.dwg"_s} << 0 << QStringList{u"1=text.dxf"_s}
        << QStringList{u"1 target-exists"_s};
    QTest::newRow("DXF save beside a DWG")
        << QStringList{u"plan.dwg"_s, u"r2000.dwg"_s, u"r2007.dxf"_s} << 0 << QStringList{u"dxf"_s}
        << QStringList{u"0 target-exists"_s};
    QTest::newRow("several findings of one drawing")
        << QStringList{u"locked.dwg"_s, u"locked.dwg"_s} << 0 << QStringList{u"1=locked.dwg"_s}
        << QStringList{u"0 locked"_s, u"1 locked"_s, u"1 duplicate"_s, u"1 target-exists"_s,
                       u"1 target-in-list"_s};
}

void TestPreflightCheck::findings()
{
    QFETCH(QStringList, drawings);
    QFETCH(int, release);
    QFETCH(QStringList, saves);
    QFETCH(QStringList, expected);
    const QDir folder(m_dir.path());
    PreflightCheck::Input input;
    for (const QString &name : drawings)
        input.drawings.append(folder.filePath(name));
    input.release = Release::fromYear(release);
    if (!saves.isEmpty()) {
        input.saves.emplace().savedAs.resize(drawings.size());
        for (const QString &save : saves) {
            input.saves->inPlace |= save == u"in place";
            input.saves->dxf |= save == u"dxf";
            if (save.contains(u'='))
                input.saves->savedAs[save.section(u'=', 0, 0).toInt()].append(
                    folder.filePath(save.section(u'=', 1)));
        }
    }
    const std::optional<PreflightReport> report = PreflightCheck::run(input);
    QVERIFY(report);
    QStringList found;
    for (int drawing = 0; drawing < drawings.size(); ++drawing) {
        for (const Finding &finding : report->findings[drawing]) {
            found.append(QString::number(drawing) + u' ' + finding.codeName());
            QVERIFY(!finding.message.isEmpty());
        }
    }
    QCOMPARE(found, expected);
    QCOMPARE(report->findingCount(), expected.size());
}

// The check reports each drawing as it goes and stops, giving nothing, when told to.
void TestPreflightCheck::stopsWhenAsked()
{
    PreflightCheck::Input input{{u"a.dwg"_s, u"b.dwg"_s, u"c.dwg"_s}, {}, {}};
    QList<int> told;
    const auto report = PreflightCheck::run(input, [&](int checked) {
        told.append(checked);
        return checked < 2;
    });
    QVERIFY(!report);
    QCOMPARE(told, (QList<int>{1, 2}));
}

QTEST_GUILESS_MAIN(TestPreflightCheck)
#include "test_preflightcheck.moc"
