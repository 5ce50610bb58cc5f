#include "cli/previewcommand.h"
#include "drawingbuilder.h"
#include "support/testfiles.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrolin;
using namespace Qt::StringLiterals;

class TestPreviewCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exitCode_data();
    void exitCode();

private:
    QTemporaryDir m_dir;
    QImage m_image = DrawingBuilder::quadrantImage(16, 8);
};

// Drawings the rows name: with a PNG preview, with a bitmap thumbnail, without a preview.
void TestPreviewCommand::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QList<QPair<QString, QByteArray>> drawings = {
        {QStringLiteral("png.dwg"), DrawingBuilder::dwg({{6, DrawingBuilder::png(m_image)}})},
        {QStringLiteral("bitmap.dxf"), DrawingBuilder::dxf(DrawingBuilder::dib(m_image))},
        {QStringLiteral("none.dwg"), DrawingBuilder::dwg({{1, QByteArray(80, '\0')}})},
    };
    for (const auto &[name, bytes] : drawings) {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
}

void TestPreviewCommand::exitCode_data()
{
    // "@" stands for the test's folder.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("DWG, -o") << QStringList{u"@png.dwg"_s, u"-o"_s, u"@out.png"_s} << 0;
    QTest::newRow("DXF, --output")
        << QStringList{u"--output"_s, u"@out.png"_s, u"@bitmap.dxf"_s} << 0;
    QTest::newRow("--output=") << QStringList{u"@bitmap.dxf"_s, u"--output=@out.png"_s} << 0;
    QTest::newRow("help") << QStringList{u"--help"_s} << 0;
    QTest::newRow("no preview") << QStringList{u"@none.dwg"_s, u"-o"_s, u"@out.png"_s} << 1;
    QTest::newRow("missing drawing") << QStringList{u"@missing.dwg"_s, u"-o"_s, u"@out.png"_s} << 1;
    QTest::newRow("a full device")
        << QStringList{u"@png.dwg"_s, u"-o"_s, test::testDevice(m_dir.path(), test::Device::Full)}
        << 1;
    QTest::newRow("output folder missing")
        << QStringList{u"@png.dwg"_s, u"-o"_s, u"@missing/out.png"_s} << 1;
    QTest::newRow("nothing") << QStringList{} << 2;
    QTest::newRow("no output") << QStringList{u"@png.dwg"_s} << 2;
    QTest::newRow("no drawing") << QStringList{u"-o"_s, u"@out.png"_s} << 2;
    QTest::newRow("-o without a file") << QStringList{u"@png.dwg"_s, u"-o"_s} << 2;
    QTest::newRow("two drawings") << QStringList{u"@png.dwg"_s, u"@none.dwg"_s, u"-o"_s,
                                                 u"@out.png"_s}
                                  << 2;
    QTest::newRow("unknown option")
        << QStringList{u"@png.dwg"_s, u"-o"_s, u"@out.png"_s, u"--size"_s} << 2;
}

// The PNG is written exactly when the command succeeds on a drawing, and holds the preview. The
// program, which runs the command in its wizard module, does the same.
void TestPreviewCommand::exitCode()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);

    const QString output = m_dir.filePath(QStringLiteral("out.png"));
    QStringList inDir = arguments;
    inDir.replaceInStrings(QStringLiteral("@"), m_dir.path() + u'/');
    const bool written = exitCode == 0 && !arguments.contains(QStringLiteral("--help"));
    for (const bool inProgram : {false, true}) {
        QFile::remove(output);
        QProcess program;
        if (inProgram) {
            program.start(TAVROLIN_PROGRAM_DIR "/tavrolin"_L1, QStringList{u"preview"_s} + inDir);
            QVERIFY(program.waitForFinished(60000));
        }
        QCOMPARE(inProgram ? program.exitCode() : runPreviewCommand(inDir), exitCode);
        QCOMPARE(QFile::exists(output), written);
        if (written)
            QCOMPARE(QImage(output, "PNG").convertToFormat(QImage::Format_RGB32), m_image);
    }
}

QTEST_GUILESS_MAIN(TestPreviewCommand)
#include "test_previewcommand.moc"
