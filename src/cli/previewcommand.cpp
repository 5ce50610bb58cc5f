#include "previewcommand.h"

#include "platform/preview/drawingpreviewreader.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace tavrolin {

namespace {

constexpr int ExitWritten = 0;
constexpr int ExitNoPreview = 1;
constexpr int ExitUsage = 2;

const QString UsageLine = QStringLiteral("Usage: tavrolin preview DRAWING -o FILE.png");

// The parser's own help minus its first line, which would name the program file rather than
// the sub-command.
QString helpText(const QCommandLineParser &parser)
{
    const QString text = parser.helpText();
    return UsageLine + text.mid(text.indexOf(QLatin1Char('\n')));
}

int usageError(const QCommandLineParser &parser, const QString &problem)
{
    QTextStream(stderr) << "tavrolin preview: " << problem << "\n" << helpText(parser);
    return ExitUsage;
}

int failure(const QString &drawing, const QString &reason)
{
    QTextStream(stderr) << "tavrolin preview: " << drawing << ": " << reason << "\n";
    return ExitNoPreview;
}

} // namespace

int runPreviewCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the preview picture stored in a DWG or DXF drawing as a PNG file."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("The PNG file to write."),
                                          QStringLiteral("FILE.png"));
    parser.addOption(outputOption);
    parser.addPositionalArgument(QStringLiteral("DRAWING"),
                                 QStringLiteral("The DWG or DXF drawing to read."));

    if (!parser.parse(QStringList(QStringLiteral("preview")) + arguments))
        return usageError(parser, parser.errorText());
    if (parser.isSet(helpOption)) {
        QTextStream(stdout) << helpText(parser);
        return ExitWritten;
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
    const QString output = parser.value(outputOption);
    if (!preview.image.save(output, "PNG"))
        return failure(drawing, QStringLiteral("cannot write %1").arg(output));
    return ExitWritten;
}

} // namespace tavrolin
