#pragma once

// The ruler's arithmetic and its rubber line, free of widgets.

#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

namespace MeasureRules {

// Pixels between two points, both ends counted: a horizontal or vertical span is the
// difference plus one; a slanted one the nearest whole length of the diagonal of
// those spans. The same point gives 0.
[[nodiscard]] int Distance(QPoint from, QPoint to);

// The pixels a one-pixel line from `from` towards `to` covers, the end point itself
// excluded (the platform's line rule). The same two points always give the same pixels.
[[nodiscard]] std::vector<QPoint> LinePixels(QPoint from, QPoint to);

// Inverts every pixel of that line that lies inside the image; drawing the same line
// again restores them. Returns the rectangles that changed, for repainting.
std::vector<QRect> InvertLine(QImage& image, QPoint from, QPoint to);

} // namespace MeasureRules
