#pragma once

#include <QImage>
#include <QPoint>

// Enlarges `source` (the screen block around the pointer) to fill `zoom`, each source
// pixel becoming a whole block, then draws the crosshair: a vertical bar 3 x 19 from
// (cx, cy - 8) and a horizontal bar 19 x 3 from (cx - 8, cy), cx, cy = `centre`.
// Both images are RGB32.
void ComposeZoom(QImage& zoom, const QImage& source, QPoint centre, QRgb barColor);
