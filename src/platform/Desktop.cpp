#include "platform/Desktop.h"

#include "platform/QtScreenGeometry.h"
#include "platform/X11Desktop.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace {

// Used where there is no X server to ask (the offscreen platform): reads through Qt,
// which only sees the application's own windows there.
class QtDesktop final : public Desktop {
public:
    QPoint PointerPos() const override { return QCursor::pos(); }

    std::uint32_t PixelAt(QPoint pos) const override
    {
        if (!VirtualDesktop().contains(pos))
            return 0xFFFFFFFFu;
        const QImage pixel = CopyBlock({ pos, QSize(1, 1) }, 0);
        const QRgb rgb = pixel.pixel(0, 0);
        return std::uint32_t(qRed(rgb)) | (std::uint32_t(qGreen(rgb)) << 8) | (std::uint32_t(qBlue(rgb)) << 16);
    }

    QImage CopyBlock(const QRect& area, QRgb outside) const override
    {
        QImage block(area.size(), QImage::Format_RGB32);
        block.fill(outside);
        QScreen* screen = QGuiApplication::primaryScreen();
        const QRect inside = area.intersected(VirtualDesktop());
        if (!screen || inside.isEmpty())
            return block;
        const QImage grabbed = screen->grabWindow(0, inside.x(), inside.y(), inside.width(), inside.height())
                                   .toImage()
                                   .convertToFormat(QImage::Format_RGB32);
        const QPoint offset = inside.topLeft() - area.topLeft();
        for (int y = 0; y < grabbed.height() && offset.y() + y < block.height(); ++y)
            for (int x = 0; x < grabbed.width() && offset.x() + x < block.width(); ++x)
                block.setPixel(offset.x() + x, offset.y() + y, grabbed.pixel(x, y));
        return block;
    }

    QSize PrimaryScreenSize() const override { return QtScreenGeometry::PrimaryScreenSize(); }
    QRect VirtualDesktop() const override { return QtScreenGeometry::VirtualDesktop(); }
    QRect WorkAreaNear(const QWidget* widget) const override { return QtScreenGeometry::WorkAreaNear(widget); }
};

} // namespace

std::unique_ptr<Desktop> CreateDesktop()
{
    if (auto x11 = CreateX11Desktop())
        return x11;
    return std::make_unique<QtDesktop>();
}
