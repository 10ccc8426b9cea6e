#include "platform/X11Desktop.h"

#include "platform/QtScreenGeometry.h"

#include <QCursor>
#include <QGuiApplication>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <bit>
#include <cstring>

namespace {

// Xlib's default handler ends the process on any protocol error; a read of a screen
// area the server refuses must only fail that read (XGetImage then returns null).
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

// Brings one channel of an X pixel to 0..255 whatever the visual's depth.
std::uint32_t Channel(unsigned long pixel, unsigned long mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const unsigned long max = mask >> shift;
    const unsigned long v = (pixel & mask) >> shift;
    return std::uint32_t(max == 255 ? v : (v * 255 + max / 2) / max);
}

class X11Desktop final : public Desktop {
public:
    X11Desktop(Display* display)
        : FDisplay(display)
        , FRoot(DefaultRootWindow(display))
    {
        XSetErrorHandler(IgnoreXError);
    }

    QPoint PointerPos() const override { return QCursor::pos(); }

    std::uint32_t PixelAt(QPoint pos) const override
    {
        if (!RootRect().contains(pos))
            return 0xFFFFFFFFu;
        XImage* image = XGetImage(FDisplay, FRoot, pos.x(), pos.y(), 1, 1, AllPlanes, ZPixmap);
        if (!image)
            return 0xFFFFFFFFu;
        const unsigned long pixel = XGetPixel(image, 0, 0);
        const std::uint32_t value = Channel(pixel, image->red_mask) | (Channel(pixel, image->green_mask) << 8)
            | (Channel(pixel, image->blue_mask) << 16);
        XDestroyImage(image);
        return value;
    }

    QImage CopyBlock(const QRect& area, QRgb outside) const override
    {
        QImage block(area.size(), QImage::Format_RGB32);
        block.fill(outside);
        const QRect inside = area.intersected(RootRect());
        if (inside.isEmpty())
            return block;
        XImage* image = XGetImage(
            FDisplay, FRoot, inside.x(), inside.y(), unsigned(inside.width()), unsigned(inside.height()), AllPlanes, ZPixmap);
        if (!image)
            return block;
        const QPoint offset = inside.topLeft() - area.topLeft();
        const bool native = image->bits_per_pixel == 32 && image->byte_order == LSBFirst && image->red_mask == 0xFF0000
            && image->green_mask == 0xFF00 && image->blue_mask == 0xFF;
        for (int y = 0; y < inside.height(); ++y) {
            auto* dest = reinterpret_cast<QRgb*>(block.scanLine(offset.y() + y)) + offset.x();
            if (native) {
                const char* src = image->data + std::ptrdiff_t(y) * image->bytes_per_line;
                std::memcpy(dest, src, std::size_t(inside.width()) * 4);
                for (int x = 0; x < inside.width(); ++x)
                    dest[x] |= 0xFF000000u;
            } else {
                for (int x = 0; x < inside.width(); ++x) {
                    const unsigned long p = XGetPixel(image, x, y);
                    dest[x] = qRgb(
                        int(Channel(p, image->red_mask)), int(Channel(p, image->green_mask)), int(Channel(p, image->blue_mask)));
                }
            }
        }
        XDestroyImage(image);
        return block;
    }

    QSize PrimaryScreenSize() const override { return QtScreenGeometry::PrimaryScreenSize(); }
    QRect VirtualDesktop() const override { return QtScreenGeometry::VirtualDesktop(); }
    QRect WorkAreaNear(const QWidget* widget) const override { return QtScreenGeometry::WorkAreaNear(widget); }

private:
    QRect RootRect() const
    {
        const int screen = DefaultScreen(FDisplay);
        return { 0, 0, DisplayWidth(FDisplay, screen), DisplayHeight(FDisplay, screen) };
    }

    Display* FDisplay;
    Window FRoot;
};

} // namespace

std::unique_ptr<Desktop> CreateX11Desktop()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return nullptr;
    return std::make_unique<X11Desktop>(x11->display());
}
