#include "main/Magnifier.h"

#include <QRect>

void ComposeZoom(QImage& zoom, const QImage& source, QPoint centre, QRgb barColor)
{
    const int w = zoom.width();
    const int h = zoom.height();
    const int sw = source.width();
    const int sh = source.height();
    if (sw == 0 || sh == 0)
        return;
    for (int y = 0; y < h; ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(source.constScanLine(y * sh / h));
        auto* dest = reinterpret_cast<QRgb*>(zoom.scanLine(y));
        for (int x = 0; x < w; ++x)
            dest[x] = src[x * sw / w];
    }
    const auto fill = [&](const QRect& bar) {
        const QRect r = bar.intersected(zoom.rect());
        for (int y = r.top(); y <= r.bottom(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(zoom.scanLine(y));
            std::fill(line + r.left(), line + r.right() + 1, barColor);
        }
    };
    fill(QRect(centre.x(), centre.y() - 8, 3, 19));
    fill(QRect(centre.x() - 8, centre.y(), 19, 3));
}
