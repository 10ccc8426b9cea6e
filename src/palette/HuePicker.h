#pragma once

// The hue picker's picture and its geometry: a hue ring around a square of
// saturation (left to right) and lightness (top to bottom), with two XOR markers.
// Pixels are written straight into the rows of a 32-bit picture. Free of widgets.

#include "palette/ColorSpaces.h"

#include <QImage>
#include <QPoint>

namespace HuePicker {

constexpr int Size = 195; // the picture is Size x Size (plus the offset o on the left)
constexpr int SquareLow = 44;
constexpr int SquareHigh = 150; // drawn inclusive; the hit test stops at 149
constexpr int SquareSpan = SquareHigh - SquareLow; // 106
constexpr int MarkerCentre = 97; // the square's centre; the hue marker turns around it
constexpr int HueMarkerRadius = 87;

enum TDragTarget { dtNone, dtRing, dtSquare };

// The picture for one opening: background, ring, square for `colour`'s hue.
[[nodiscard]] QImage BuildPicture(const THueTable& hues, const TPSPColor& colour, QRgb background, int offset = 0);
// Rewrites the square for the hue of `colour`.
void PaintSquare(QImage& picture, const TPSPColor& colour, int offset = 0);
// Draws both markers with a white XOR pen; the same call again erases them.
void ToggleMarkers(QImage& picture, const THSLReal& hsl, int offset = 0);

[[nodiscard]] QPoint SquareMarker(const THSLReal& hsl, int offset = 0);
[[nodiscard]] QPoint HueMarker(const THSLReal& hsl, int offset = 0);

// What a press at `p` (picture coordinates) grabs: the square first, then the ring.
[[nodiscard]] TDragTarget HitTest(QPoint p, int offset = 0);
// The hue byte for a ring position: Round((359 - a) / 359 * 255), a its clock angle.
[[nodiscard]] std::uint8_t RingHueByte(QPoint p, int offset = 0);
// The saturation and lightness bytes for a square position, clamped to the square.
[[nodiscard]] std::pair<std::uint8_t, std::uint8_t> SquareBytes(QPoint p, int offset = 0);

} // namespace HuePicker
