#include "measure/MeasureRules.h"

#include <cmath>
#include <cstdlib>

namespace MeasureRules {

int Distance(QPoint from, QPoint to)
{
    int dx = std::abs(to.x() - from.x());
    int dy = std::abs(to.y() - from.y());
    if (dx != 0)
        ++dx;
    if (dy != 0)
        ++dy;
    if (dx == 0 || dy == 0)
        return dx + dy;
    // A whole number's root is whole or irrational: never halfway between two integers.
    return int(std::lround(std::sqrt(double(dx * dx + dy * dy))));
}

std::vector<QPoint> LinePixels(QPoint from, QPoint to)
{
    std::vector<QPoint> pixels;
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    QPoint p = from;
    pixels.reserve(std::size_t(std::max(dx, -dy)));
    while (p != to) {
        pixels.push_back(p);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.rx() += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.ry() += sy;
        }
    }
    return pixels;
}

std::vector<QRect> InvertLine(QImage& image, QPoint from, QPoint to)
{
    // Repaint in short pieces, so a long slanted line does not repaint its whole box.
    constexpr std::size_t Piece = 32;
    std::vector<QRect> changed;
    const std::vector<QPoint> pixels = LinePixels(from, to);
    const QRect bounds = image.rect();
    QRect piece;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const QPoint p = pixels[i];
        if (bounds.contains(p)) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(p.y()));
            line[p.x()] ^= 0x00FFFFFFu;
            piece |= QRect(p, QSize(1, 1));
        }
        if ((i + 1) % Piece == 0 || i + 1 == pixels.size()) {
            if (!piece.isNull())
                changed.push_back(piece);
            piece = QRect();
        }
    }
    return changed;
}

} // namespace MeasureRules
