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
            const auto* src = reinterpret_cast<const std::uint32_t*>(image->data + std::ptrdiff_t(y) * image->bytes_per_line);
            for (int x = 0; x < size.width(); ++x)
                dest[x] = src[x] | 0xFF000000u;
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
    // The segment is kept for the next copy of the same size, which then costs no new
    // pages on either side.
    QImage Snapshot(const QRect& area) const override
    {
        const QRect inside = area.intersected(RootRect());
        if (inside.isEmpty() || !Segment(inside.size()))
            return CopyBlock(area, qRgb(0, 0, 0));
        if (!XShmGetImage(FDisplay, FRoot, FShmImage, inside.x(), inside.y(), AllPlanes))
            return CopyBlock(area, qRgb(0, 0, 0));
        QImage block(area.size(), QImage::Format_RGB32);
        if (inside != area)
            block.fill(qRgb(0, 0, 0));
        Convert(FShmImage, block, inside.topLeft() - area.topLeft(), inside.size());
        return block;
    }

    ~X11Desktop() override { DropSegment(); }

    void Flush() const override { XSync(FDisplay, False); }

    QSize PrimaryScreenSize() const override { return QtScreenGeometry::PrimaryScreenSize(); }
    QRect VirtualDesktop() const override { return QtScreenGeometry::VirtualDesktop(); }
    QRect WorkAreaNear(const QWidget* widget) const override { return QtScreenGeometry::WorkAreaNear(widget); }

private:
    // A shared-memory image of this size attached to the server, or false.
    bool Segment(QSize size) const
    {
        if (FShmImage && FShmSize == size)
            return true;
        DropSegment();
        if (!XShmQueryExtension(FDisplay))
            return false;
        const int screen = DefaultScreen(FDisplay);
        XImage* image = XShmCreateImage(FDisplay, DefaultVisual(FDisplay, screen), unsigned(DefaultDepth(FDisplay, screen)),
            ZPixmap, nullptr, &FShm, unsigned(size.width()), unsigned(size.height()));
        if (!image)
            return false;
        FShm.shmid = shmget(IPC_PRIVATE, std::size_t(image->bytes_per_line) * std::size_t(image->height), IPC_CREAT | 0600);
        void* memory = FShm.shmid >= 0 ? shmat(FShm.shmid, nullptr, 0) : reinterpret_cast<void*>(-1);
        if (FShm.shmid >= 0)
            shmctl(FShm.shmid, IPC_RMID, nullptr); // freed once both sides let go
        if (memory == reinterpret_cast<void*>(-1)) {
            XDestroyImage(image);
            return false;
        }
        FShm.shmaddr = image->data = static_cast<char*>(memory);
        FShm.readOnly = False;
        const bool attached = XShmAttach(FDisplay, &FShm) != 0;
        XSync(FDisplay, False); // a refused attach (a remote server) shows up here, harmlessly
        FShmImage = image;
        FShmSize = size;
        FShmAttached = attached;
        if (!attached)
            DropSegment();
        return attached;
    }

    void DropSegment() const
    {
        if (!FShmImage)
            return;
        if (FShmAttached) {
            XShmDetach(FDisplay, &FShm);
            XSync(FDisplay, False);
        }
        FShmImage->data = nullptr; // the segment is not Xlib's to free
        XDestroyImage(FShmImage);
        shmdt(FShm.shmaddr);
        FShmImage = nullptr;
        FShmAttached = false;
    }

    QRect RootRect() const
    {
        const int screen = DefaultScreen(FDisplay);
        return { 0, 0, DisplayWidth(FDisplay, screen), DisplayHeight(FDisplay, screen) };
    }

    Display* FDisplay;
    Window FRoot;
    mutable XShmSegmentInfo FShm {};
    mutable XImage* FShmImage = nullptr;
    mutable QSize FShmSize;
    mutable bool FShmAttached = false;
};

} // namespace

std::unique_ptr<Desktop> CreateX11Desktop()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return nullptr;
    return std::make_unique<X11Desktop>(x11->display());
}
