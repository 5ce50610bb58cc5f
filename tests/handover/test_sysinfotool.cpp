#include "platform/sysinfo/registry.h"
#include "platform/sysinfo/sysinfotool.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace tavrolin;

namespace {

const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString FolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

enum class Folder { Missing, WithoutTool, WithTool, WithToolAndTrailingSeparator };

// A registry holding only the values that were put in; remembers which values were asked for.
class FakeRegistry
{
public:
    void put(const QString &key, const QString &value, const QString &text)
    {
        m_values.insert(key + QLatin1Char('|') + value, text);
    }
    SysInfoTool::ValueReader reader()
    {
        return
            [this](RegistryRoot root, const QString &key, const QString &value, QString &keyVal) {
                m_reads.append(key + QLatin1Char('|') + value);
                const auto found = m_values.constFind(key + QLatin1Char('|') + value);
                if (root != RegistryRoot::LocalMachine || found == m_values.cend()) {
                    keyVal.clear();
                    return false;
                }
                keyVal = *found;
                return true;
            };
    }
    const QStringList &reads() const { return m_reads; }

private:
    QHash<QString, QString> m_values;
    QStringList m_reads;
};

} // namespace

Q_DECLARE_METATYPE(Folder)

class TestSysInfoTool : public QObject
{
    Q_OBJECT

private slots:
    void findPath_data();
    void findPath();
    void startFails_data();
    void startFails();
    void startsTheTool();
    void noRegistryHere();
};

void TestSysInfoTool::findPath_data()
{
    QTest::addColumn<QString>("registeredPath");
    QTest::addColumn<Folder>("folder");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("reads");

    const QString registered = QStringLiteral("C:\\Program Files\\Common Files\\msinfo32.exe");
    QTest::newRow("registered path is taken, folder not read")
        << registered << Folder::WithTool << true << 1;
    QTest::newRow("folder without the tool") << QString() << Folder::WithoutTool << false << 2;
    QTest::newRow("folder with the tool") << QString() << Folder::WithTool << true << 2;
    QTest::newRow("folder ending in a separator")
        << QString() << Folder::WithToolAndTrailingSeparator << true << 2;
    QTest::newRow("neither registered") << QString() << Folder::Missing << false << 2;
}

void TestSysInfoTool::findPath()
{
    QFETCH(QString, registeredPath);
    QFETCH(Folder, folder);
    QFETCH(bool, found);
    QFETCH(int, reads);

    QTemporaryDir toolFolder;
    QVERIFY(toolFolder.isValid());
    const QString toolFile = toolFolder.filePath(QStringLiteral("MSINFO32.EXE"));
    if (folder == Folder::WithTool || folder == Folder::WithToolAndTrailingSeparator) {
        QFile file(toolFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    FakeRegistry registry;
    if (!registeredPath.isEmpty())
        registry.put(ToolKey, QStringLiteral("PATH"), registeredPath);
    if (folder != Folder::Missing) {
        const QString trail =
            folder == Folder::WithToolAndTrailingSeparator ? QDir::separator() : QString();
        registry.put(FolderKey, QStringLiteral("MSINFO"),
                     QDir::toNativeSeparators(toolFolder.path()) + trail);
    }

    const std::optional<QString> path = SysInfoTool(registry.reader()).findPath();
    QCOMPARE(path.has_value(), found);
    if (found)
        QCOMPARE(*path,
                 registeredPath.isEmpty() ? QDir::toNativeSeparators(toolFile) : registeredPath);
    QCOMPARE(registry.reads().size(), reads);
    QCOMPARE(registry.reads().first(), ToolKey + QStringLiteral("|PATH"));
}

void TestSysInfoTool::startFails_data()
{
    QTest::addColumn<QString>("registeredPath");

    QTest::newRow("not installed") << QString();
    QTest::newRow("registered program is missing")
        << QDir::temp().filePath(QStringLiteral("no-such-folder/msinfo32.exe"));
}

void TestSysInfoTool::startFails()
{
    QFETCH(QString, registeredPath);

    FakeRegistry registry;
    if (!registeredPath.isEmpty())
        registry.put(ToolKey, QStringLiteral("PATH"), registeredPath);
    QString error;
    QVERIFY(!SysInfoTool(registry.reader()).start(&error));
    QVERIFY(!error.isEmpty());
}

void TestSysInfoTool::startsTheTool()
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("true"));
    if (program.isEmpty())
        QSKIP("no harmless program to start here");
    FakeRegistry registry;
    registry.put(ToolKey, QStringLiteral("PATH"), program);
    QString error = QStringLiteral("stale");
    QVERIFY(SysInfoTool(registry.reader()).start(&error));
    QVERIFY(error.isEmpty());
}

// Off Windows the real reader finds nothing, so the About box reports the tool unavailable.
void TestSysInfoTool::noRegistryHere()
{
#ifdef Q_OS_WIN
    QSKIP("Windows has a registry");
#endif
    QString value = QStringLiteral("held before");
    QVERIFY(!GetKeyValue(RegistryRoot::LocalMachine, ToolKey, QStringLiteral("PATH"), value));
    QCOMPARE(value, QString());
    QVERIFY(!SysInfoTool().findPath());
}

QTEST_GUILESS_MAIN(TestSysInfoTool)
#include "test_sysinfotool.moc"
