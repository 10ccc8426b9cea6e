#include "palette/HuePicker.h"

#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>

namespace HuePicker {

namespace {

    QRegion OuterRing(int o) { return QRegion(QRect(o, 0, Size, Size), QRegion::Ellipse); }

    // The ring's hole: one pixel larger when drawing than when hit testing.
    QRegion DrawnHole(int o) { return QRegion(QRect(o + 20, 20, 155, 155), QRegion::Ellipse); }
    QRegion HitHole(int o) { return QRegion(QRect(o + 20, 20, 154, 154), QRegion::Ellipse); }

    QRgb Pixel(TRGBColor c) { return qRgb(c.R, c.G, c.B); }

} // namespace

QImage BuildPicture(const THueTable& hues, const TPSPColor& colour, QRgb background, int offset)
{
    QImage picture(offset + Size, Size, QImage::Format_RGB32);
    picture.fill(background);
    // The ring region is a list of horizontal bands: walk them, not every pixel.
    const QRegion ring = OuterRing(offset).subtracted(DrawnHole(offset));
    const QPointF centre(98, 98);
    for (const QRect& band : ring) {
        for (int y = band.top(); y <= band.bottom(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = band.left(); x <= band.right(); ++x) {
                int a = RoundEven(ClockAngle(centre, QPointF(x - offset, y)));
                if (a == 360)
                    a = 0;
                row[x] = Pixel(hues[std::size_t(359 - a)]);
            }
        }
    }
    PaintSquare(picture, colour, offset);
    return picture;
}

void PaintSquare(QImage& picture, const TPSPColor& colour, int offset)
{
    TPSPColor scratch;
    scratch.CopyFrom(colour);
    const double hue = scratch.HSL.H;
    for (int y = SquareLow; y <= SquareHigh; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const double lightness = (y - SquareLow) / double(SquareSpan);
        for (int x = SquareLow; x <= SquareHigh; ++x) {
            scratch.SetHSL({ hue, (x - SquareLow) / double(SquareSpan), lightness });
            row[offset + x] = Pixel(scratch.RGB);
        }
    }
}

QPoint SquareMarker(const THSLReal& hsl, int offset)
{
    return { RoundEven(SquareSpan * hsl.S + SquareLow + offset), RoundEven(SquareSpan * hsl.L + SquareLow) };
}

QPoint HueMarker(const THSLReal& hsl, int offset)
{
    const int k = RoundEven(hsl.H * 360);
    double theta = 270 - k;
    while (theta < 0)
        theta += 360;
    while (theta >= 360)
        theta -= 360;
    const double radians = theta * 0.01745329252;
    return { RoundEven(offset + MarkerCentre + HueMarkerRadius * std::cos(radians)),
        RoundEven(MarkerCentre + HueMarkerRadius * std::sin(radians)) };
}

void ToggleMarkers(QImage& picture, const THSLReal& hsl, int offset)
{
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 0)); // one pixel, every pixel once
    painter.setBrush(Qt::NoBrush);
    for (const QPoint centre : { SquareMarker(hsl, offset), HueMarker(hsl, offset) })
        painter.drawEllipse(QRect(centre.x() - 5, centre.y() - 5, 10, 10));
}

TDragTarget HitTest(QPoint p, int offset)
{
    if (p.x() >= offset + SquareLow && p.x() <= offset + SquareHigh - 1 && p.y() >= SquareLow && p.y() <= SquareHigh - 1)
        return dtSquare;
    if (OuterRing(offset).contains(p) && !HitHole(offset).contains(p))
        return dtRing;
    return dtNone;
}

std::uint8_t RingHueByte(QPoint p, int offset)
{
    int a = RoundEven(ClockAngle(QPointF(offset + MarkerCentre, MarkerCentre), QPointF(p)));
    if (a == 360)
        a = 0;
    return std::uint8_t(RoundEven((359 - a) / 359.0 * 255));
}

std::pair<std::uint8_t, std::uint8_t> SquareBytes(QPoint p, int offset)
{
    const int x = std::clamp(p.x(), offset + SquareLow, offset + SquareHigh);
    const int y = std::clamp(p.y(), SquareLow, SquareHigh);
    return { std::uint8_t(RoundEven((x - offset - SquareLow) / double(SquareSpan) * 255)),
        std::uint8_t(RoundEven((y - SquareLow) / double(SquareSpan) * 255)) };
}

} // namespace HuePicker
