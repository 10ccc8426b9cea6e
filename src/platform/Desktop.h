#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <memory>

class QWidget;

// Everything the application needs from the screen it runs on. The X11 implementation
// is the only code that talks to the display server; tests use FakeDesktop.
// Coordinates are screen coordinates: the virtual desktop's origin may be left of or
// above the primary screen, so they can be negative.
class Desktop {
public:
    virtual ~Desktop() = default;

    [[nodiscard]] virtual QPoint PointerPos() const = 0;

    // One screen pixel as R + G*256 + B*65536, or 0xFFFFFFFF when it cannot be read
    // (outside every screen, or the server refuses).
    [[nodiscard]] virtual std::uint32_t PixelAt(QPoint pos) const = 0;

    // A copy of a screen rectangle in an RGB32 image of the rectangle's size. Parts
    // that lie outside the screen are filled with `outside`.
    [[nodiscard]] virtual QImage CopyBlock(const QRect& area, QRgb outside) const = 0;

    // A large copy (the whole screen at once), by the fastest means the display has.
    [[nodiscard]] virtual QImage Snapshot(const QRect& area) const { return CopyBlock(area, qRgb(0, 0, 0)); }
    // Waits until the display server has carried out every request sent so far (a
    // window hidden is really gone from the screen).
    virtual void Flush() const { }

    [[nodiscard]] virtual QSize PrimaryScreenSize() const = 0;
    [[nodiscard]] virtual QRect VirtualDesktop() const = 0;
    // The work area (screen minus panels) of the monitor nearest the widget.
    [[nodiscard]] virtual QRect WorkAreaNear(const QWidget* widget) const = 0;
};

// The desktop of the running display: X11 when Qt runs on xcb, otherwise (offscreen,
// Wayland without XWayland) one that reads through Qt's screen grabbing.
[[nodiscard]] std::unique_ptr<Desktop> CreateDesktop();
