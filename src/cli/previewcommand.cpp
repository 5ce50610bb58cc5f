#include "previewcommand.h"

#include "core/outputfile.h"
#include "platform/console/console.h"
#include "platform/preview/drawingpreviewreader.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QImageWriter>

namespace tavrolin {

namespace {

constexpr int kSuccess = 0;
constexpr int kNoPreview = 1;
constexpr int kBadUsage = 2;

const QString kUsageLine = QStringLiteral("Usage: tavrolin preview DRAWING -o FILE.png");

// The parser's own help minus its first line, which would name the program file rather than
// the sub-command.
QString helpText(const QCommandLineParser &parser)
{
    const QString text = parser.helpText();
    return kUsageLine + text.mid(text.indexOf(QLatin1Char('\n')));
}

int usageError(const QCommandLineParser &parser, const QString &problem)
{
    writeConsoleText(stderr,
                     QStringLiteral("tavrolin preview: ") + problem + u'\n' + helpText(parser));
    return kBadUsage;
}

int failure(const QString &drawing, const QString &reason)
{
    writeConsoleText(stderr, QStringLiteral("tavrolin preview: ") + drawing + QStringLiteral(": ") +
                                 reason + u'\n');
    return kNoPreview;
}

} // namespace

int runPreviewCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the preview picture stored in a DWG or DXF drawing as a PNG file."));
    // Not addHelpOption(): it would also offer --help-all, which lists options of a GUI program.
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Shows this help."));
    parser.addOption(helpOption);
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("The PNG file to write."),
                                          QStringLiteral("FILE.png"));
    parser.addOption(outputOption);
    parser.addPositionalArgument(QStringLiteral("DRAWING"),
                                 QStringLiteral("The DWG or DXF drawing to read."));

    if (!parser.parse(QStringList(QStringLiteral("preview")) + arguments))
        return usageError(parser, parser.errorText());
    if (parser.isSet(helpOption)) {
        writeConsoleText(stdout, helpText(parser));
        return kSuccess;
    }
    const QStringList drawings = parser.positionalArguments();
    if (drawings.size() != 1)
        return usageError(parser, QStringLiteral("give exactly one drawing"));
    if (!parser.isSet(outputOption))
        return usageError(parser, QStringLiteral("give the PNG file to write with -o"));

    const QString drawing = drawings.first();
    const PreviewResult preview = DrawingPreviewReader::readFile(drawing);
    if (!preview.hasImage())
        return failure(drawing, preview.error);
    // The picture is encoded whole first, then written whole or not at all: a failed write
    // leaves an existing file as it was.
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QImageWriter writer(&png, "png");
    if (!writer.write(preview.image))
        return failure(drawing,
                       QStringLiteral("PNG に変換できません: %1").arg(writer.errorString()));
    const QString output = parser.value(outputOption);
    QString reason;
    if (!writeOutputFile(output, png.data(), &reason))
        return failure(drawing, QStringLiteral("%1 を書き込めません: %2").arg(output, reason));
    return kSuccess;
}

} // namespace tavrolin
