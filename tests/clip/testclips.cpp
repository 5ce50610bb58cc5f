#include "testclips.h"

#include <QRandomGenerator>
#include <QStringList>

namespace tavrolin {

namespace {

constexpr int Colours = 16;

uchar patternIndex(TestClips::Pattern pattern, int x, int frame, QRandomGenerator *random)
{
    switch (pattern) {
    case TestClips::Pattern::Stripes:
        return uchar((x / 3 + frame) % Colours);
    case TestClips::Pattern::Random:
        return uchar(random->bounded(Colours));
    case TestClips::Pattern::Solid:
        break;
    }
    return uchar(frame % Colours);
}

} // namespace

QList<QRgb> TestClips::palette()
{
    QList<QRgb> colours;
    for (int i = 0; i < Colours; ++i)
        colours.append(qRgb(i * 16, 255 - i * 8, (i * 97) % 256));
    return colours;
}

QList<QImage> TestClips::frames(QSize size, int count, Pattern pattern)
{
    QRandomGenerator random(size.width() * 7919 + size.height());
    QList<QImage> result;
    for (int f = 0; f < count; ++f) {
        QImage frame(size, QImage::Format_Indexed8);
        frame.setColorTable(palette());
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x)
                frame.scanLine(y)[x] = patternIndex(pattern, x + y, f, &random);
        }
        result.append(frame);
    }
    return result;
}

QString TestClips::rows(const QImage &frame)
{
    QStringList lines;
    for (int y = 0; y < frame.height(); ++y) {
        QString line;
        for (int x = 0; x < frame.width(); ++x)
            line.append(QString::number(frame.pixelIndex(x, y), Colours));
        lines.append(line);
    }
    return lines.join(u'|');
}

QImage TestClips::fromRows(const QString &text)
{
    const QStringList lines = text.split(u'|');
    QImage frame(int(lines.first().size()), int(lines.size()), QImage::Format_Indexed8);
    frame.setColorTable(palette());
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x)
            frame.setPixel(x, y, uint(QString(lines[y][x]).toUInt(nullptr, Colours)));
    }
    return frame;
}

} // namespace tavrolin
