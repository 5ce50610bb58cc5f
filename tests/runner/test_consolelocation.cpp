#include "runner/consolelocation.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

namespace {

const QString kReleases = u"SOFTWARE\\Autodesk\\AutoCAD"_s;

} // namespace

// The console of the newest installed release, from a registry given in the test.
class TestConsoleLocation : public QObject
{
    Q_OBJECT

private slots:
    void find_data();
    void find();

private:
    QTemporaryDir m_dir;
};

// Each row: the products installed as "release/product" with the folder their AcadLocation
// names (under the test's folder; a folder without "+" has no console in it), and the console
// found.
void TestConsoleLocation::find_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("found");
    QTest::newRow("nothing installed") << QStringList() << QString();
    QTest::newRow("one release") << QStringList{u"R24.0/ACAD-7101:411=a2024+"_s} << u"a2024+"_s;
    QTest::newRow("the newest release, by number")
        << QStringList{u"R9.0/ACAD-1:411=old+"_s, u"R24.1/ACAD-7101:411=a2025+"_s,
                       u"R23.0/ACAD-6101:411=a2019+"_s}
        << u"a2025+"_s;
    QTest::newRow("a newer release without its console")
        << QStringList{u"R24.1/ACAD-7101:411=gone"_s, u"R23.0/ACAD-6101:411=a2019+"_s}
        << u"a2019+"_s;
    QTest::newRow("a product without AcadLocation, another with")
        << QStringList{u"R24.0/ACAD-7101:409"_s, u"R24.0/ACAD-7101:411=ja+"_s} << u"ja+"_s;
    QTest::newRow("keys of another form come last")
        << QStringList{u"Settings/X=other+"_s, u"R18.0/ACAD-8001:411=a2010+"_s} << u"a2010+"_s;
}

void TestConsoleLocation::find()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, found);
    QHash<QString, QStringList> subkeys;
    QHash<QString, QString> locations;
    for (const QString &entry : installed) {
        const QString release = entry.section(u'/', 0, 0);
        const QString product = entry.section(u'/', 1).section(u'=', 0, 0);
        const QString folder = entry.section(u'=', 1);
        if (!subkeys[kReleases].contains(release))
            subkeys[kReleases].append(release);
        subkeys[kReleases + u'\\' + release].append(product);
        if (folder.isEmpty())
            continue;
        locations.insert(kReleases + u'\\' + release + u'\\' + product, m_dir.filePath(folder));
        if (folder.endsWith(u'+'))
            test::writeBytes(m_dir.filePath(folder + u"/accoreconsole.exe"_s), "MZ");
    }
    const ConsoleLocation location(
        [&](RegistryRoot root, const QString &key, const QString &value, QString &text) {
            text = locations.value(key);
            return root == RegistryRoot::LocalMachine && value == u"AcadLocation" &&
                   locations.contains(key);
        },
        [&](RegistryRoot root, const QString &key) {
            return root == RegistryRoot::LocalMachine ? subkeys.value(key) : QStringList();
        });
    const std::optional<QString> console = location.find();
    if (found.isEmpty()) {
        QVERIFY(!console);
        return;
    }
    QVERIFY(console);
    QCOMPARE(QDir::fromNativeSeparators(*console), m_dir.filePath(found + u"/accoreconsole.exe"_s));
}

QTEST_GUILESS_MAIN(TestConsoleLocation)
#include "test_consolelocation.moc"
