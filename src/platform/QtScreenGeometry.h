#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Screen sizes as Qt knows them; shared by the real desktops.
namespace QtScreenGeometry {
[[nodiscard]] QSize PrimaryScreenSize();
[[nodiscard]] QRect VirtualDesktop();
[[nodiscard]] QRect WorkAreaNear(const QWidget* widget);
} // namespace QtScreenGeometry
