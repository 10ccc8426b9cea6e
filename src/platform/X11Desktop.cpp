#include "platform/X11Desktop.h"

#include "platform/QtScreenGeometry.h"

#include <QCursor>
#include <QGuiApplication>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

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

// Copies an X image into `block` at `offset`, whatever the server's pixel layout.
void Convert(XImage* image, QImage& block, QPoint offset, QSize size)
{
    const bool native = image->bits_per_pixel == 32 && image->byte_order == LSBFirst && image->red_mask == 0xFF0000
        && image->green_mask == 0xFF00 && image->blue_mask == 0xFF;
    for (int y = 0; y < size.height(); ++y) {
        auto* dest = reinterpret_cast<QRgb*>(block.scanLine(offset.y() + y)) + offset.x();
        if (native) {
            const char* src = image->data + std::ptrdiff_t(y) * image->bytes_per_line;
            std::memcpy(dest, src, std::size_t(size.width()) * 4);
            for (int x = 0; x < size.width(); ++x)
                dest[x] |= 0xFF000000u;
        } else {
            for (int x = 0; x < size.width(); ++x) {
                const unsigned long p = XGetPixel(image, x, y);
                dest[x] = qRgb(
                    int(Channel(p, image->red_mask)), int(Channel(p, image->green_mask)), int(Channel(p, image->blue_mask)));
            }
        }
    }
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
        Convert(image, block, inside.topLeft() - area.topLeft(), inside.size());
        XDestroyImage(image);
        return block;
    }

    // The whole area through shared memory: one copy in the server, none on the wire.
    QImage Snapshot(const QRect& area) const override
    {
        const QRect inside = area.intersected(RootRect());
        if (inside.isEmpty() || !XShmQueryExtension(FDisplay))
            return CopyBlock(area, qRgb(0, 0, 0));
        const int screen = DefaultScreen(FDisplay);
        XShmSegmentInfo segment {};
        XImage* image = XShmCreateImage(FDisplay, DefaultVisual(FDisplay, screen), unsigned(DefaultDepth(FDisplay, screen)),
            ZPixmap, nullptr, &segment, unsigned(inside.width()), unsigned(inside.height()));
        if (!image)
            return CopyBlock(area, qRgb(0, 0, 0));
        segment.shmid = shmget(IPC_PRIVATE, std::size_t(image->bytes_per_line) * std::size_t(image->height), IPC_CREAT | 0600);
        void* memory = segment.shmid >= 0 ? shmat(segment.shmid, nullptr, 0) : reinterpret_cast<void*>(-1);
        if (memory == reinterpret_cast<void*>(-1)) {
            if (segment.shmid >= 0)
                shmctl(segment.shmid, IPC_RMID, nullptr);
            XDestroyImage(image);
            return CopyBlock(area, qRgb(0, 0, 0));
        }
        segment.shmaddr = image->data = static_cast<char*>(memory);
        segment.readOnly = False;
        const bool attached = XShmAttach(FDisplay, &segment) != 0;
        XSync(FDisplay, False); // a refused attach shows up here, through the error handler
        const bool read = attached && XShmGetImage(FDisplay, FRoot, image, inside.x(), inside.y(), AllPlanes) != 0;
        QImage block;
        if (read) {
            block = QImage(area.size(), QImage::Format_RGB32);
            block.fill(qRgb(0, 0, 0));
            Convert(image, block, inside.topLeft() - area.topLeft(), inside.size());
        }
        if (attached)
            XShmDetach(FDisplay, &segment);
        XSync(FDisplay, False);
        image->data = nullptr; // the segment is not Xlib's to free
        XDestroyImage(image);
        shmdt(segment.shmaddr);
        shmctl(segment.shmid, IPC_RMID, nullptr);
        return read ? block : CopyBlock(area, qRgb(0, 0, 0));
    }

    void Flush() const override { XSync(FDisplay, False); }

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
