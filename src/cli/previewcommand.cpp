#include "previewcommand.h"

#include "commandline.h"
#include "core/filefailure.h"
#include "core/outputfile.h"
#include "platform/console/console.h"
#include "platform/preview/drawingpreviewreader.h"

#include <QBuffer>
#include <QImageWriter>

namespace tavrolin {

namespace {

constexpr int kSuccess = 0;
constexpr int kNoPreview = 1;
constexpr int kBadUsage = 2;

int failure(const QString &drawing, const QString &reason)
{
    writeConsoleText(stderr, CommandLine::commandName(QStringLiteral("preview")) +
                                 QStringLiteral(": ") + messagePath(drawing) +
                                 QStringLiteral(": ") + reason + u'\n');
    return kNoPreview;
}

} // namespace

int runPreviewCommand(const QStringList &arguments)
{
    CommandLine line(QStringLiteral("preview"),
                     QStringLiteral("DWG または DXF の図面に保存されたプレビュー画像を PNG ファイル"
                                    "に書きます。"));
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("書き込む PNG ファイル。"),
                                          QStringLiteral("ファイル.png"));
    line.addOption(outputOption);
    line.addArgument(QStringLiteral("図面"), QStringLiteral("読む DWG または DXF の図面。"),
                     QStringLiteral("図面"));
    if (const std::optional<int> status = line.parse(arguments, kBadUsage))
        return *status;
    const QStringList drawings = line.positionalArguments();
    if (drawings.size() != 1)
        return line.usageError(QStringLiteral("図面を 1 つだけ指定してください"), kBadUsage);
    if (!line.isSet(outputOption))
        return line.usageError(QStringLiteral("書き込む PNG ファイルを -o で指定してください"),
                               kBadUsage);

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
    const QString output = line.value(outputOption);
    QString reason;
    if (!writeOutputFile(output, png.data(), &reason))
        return failure(drawing,
                       QStringLiteral("%1 を書き込めません: %2").arg(messagePath(output), reason));
    return kSuccess;
}

} // namespace tavrolin
