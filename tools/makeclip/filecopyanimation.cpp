#include "filecopyanimation.h"

#include <QPolygon>
#include <cmath>
#include <numbers>

namespace tavrolin {

namespace {

// The palette, background first: the first frame's top-left pixel is the clip's background.
enum Colour {
    Background,
    FolderLine,
    FolderBack,
    FolderFront,
    Paper,
    PaperLine,
    PaperText,
    PaperBack,
    Shadow,
};

const QList<QRgb> Palette = {
    qRgb(0xf0, 0xf0, 0xf0), qRgb(0x8a, 0x64, 0x14), qRgb(0xd9, 0xa9, 0x3a),
    qRgb(0xf6, 0xd3, 0x6b), qRgb(0xff, 0xff, 0xff), qRgb(0x70, 0x70, 0x70),
    qRgb(0x5a, 0x7f, 0xc0), qRgb(0xda, 0xda, 0xda), qRgb(0xc8, 0xc8, 0xc8),
};

constexpr int FolderWidth = 34;
constexpr int SourceFolder = 8;
constexpr int TargetFolder = FileCopyAnimation::Width - 8 - FolderWidth;
constexpr int SheetWidth = 11;
constexpr int SheetHeight = 14;
constexpr int SheetsInFlight = 2;
constexpr double FlightStartY = 22; // the sheet's centre, down in a folder
constexpr double FlightRise = 14;   // how far the arc climbs
constexpr double SideEasing = 0.6;  // 0: even sideways speed; 1: none at either end

QColor colour(Colour c)
{
    return QColor::fromRgb(Palette.at(c));
}

// A rectangle filled with one colour and outlined with another, covering exactly w × h pixels.
void outlinedRect(QPainter *painter, const QRect &rect, Colour fill, Colour line)
{
    painter->fillRect(rect, colour(fill));
    painter->setPen(colour(line));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
}

} // namespace

QList<QImage> FileCopyAnimation::frames()
{
    QList<QImage> result;
    for (int i = 0; i < FrameCount; ++i)
        result.append(frame(i));
    return result;
}

// Folders behind, sheets in between, the folders' front flaps over the sheets, so that a sheet
// rises out of one folder and drops into the other.
QImage FileCopyAnimation::frame(int index)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(colour(Background));
    QPainter painter(&image);
    for (int left : {SourceFolder, TargetFolder})
        drawFolderBack(&painter, left);
    for (int sheet = 0; sheet < SheetsInFlight; ++sheet) {
        const double progress = double(index) / FrameCount + double(sheet) / SheetsInFlight;
        drawSheet(&painter, progress - std::floor(progress));
    }
    for (int left : {SourceFolder, TargetFolder})
        drawFolderFront(&painter, left);
    painter.end();
    return image.convertToFormat(QImage::Format_Indexed8, Palette, Qt::ThresholdDither);
}

// The folder's back with its tab, a few sheets standing in it, and its shadow.
void FileCopyAnimation::drawFolderBack(QPainter *painter, int left)
{
    outlinedRect(painter, QRect(left + 1, 8, 13, 6), FolderBack, FolderLine);
    outlinedRect(painter, QRect(left, 12, FolderWidth, 19), FolderBack, FolderLine);
    outlinedRect(painter, QRect(left + 5, 9, 22, 12), Paper, PaperLine);
    outlinedRect(painter, QRect(left + 8, 11, 22, 12), Paper, PaperLine);
    painter->setPen(colour(Shadow));
    painter->drawLine(left + 2, Height - 1, left + FolderWidth + 1, Height - 1);
}

// The front flap leans towards the viewer, so its top edge is wider than its bottom.
void FileCopyAnimation::drawFolderFront(QPainter *painter, int left)
{
    const QPolygon flap({QPoint(left + 3, 17), QPoint(left + FolderWidth + 2, 17),
                         QPoint(left + FolderWidth - 1, Height - 2), QPoint(left, Height - 2)});
    painter->setPen(colour(FolderLine));
    painter->setBrush(colour(FolderFront));
    painter->drawPolygon(flap);
}

// One sheet along its arc from the left folder (progress 0) to the right one (progress 1). It
// moves slower sideways near the folders, so that it rises out of one and drops into the
// other, and turns over twice on the way: its width follows a cosine, and while its back faces
// the viewer it shows a plain grey side.
void FileCopyAnimation::drawSheet(QPainter *painter, double progress)
{
    constexpr double tau = 2 * std::numbers::pi;
    const double across = progress - SideEasing * std::sin(tau * progress) / tau;
    const double centreX =
        SourceFolder + (TargetFolder - SourceFolder) * across + FolderWidth / 2.0;
    const double centreY = FlightStartY - FlightRise * std::sin(std::numbers::pi * progress);
    const double turn = std::cos(2 * tau * progress);
    const int width = qMax(2, int(std::lround(SheetWidth * std::abs(turn))));
    const QRect sheet(int(std::lround(centreX - width / 2.0)),
                      int(std::lround(centreY - SheetHeight / 2.0)), width, SheetHeight);
    if (turn < 0) {
        outlinedRect(painter, sheet, PaperBack, PaperLine);
        return;
    }
    outlinedRect(painter, sheet, Paper, PaperLine);
    painter->setPen(colour(PaperText));
    for (int line = 3; line < SheetHeight - 2; line += 2)
        painter->drawLine(sheet.left() + 2, sheet.top() + line, sheet.right() - 2,
                          sheet.top() + line);
}

} // namespace tavrolin
