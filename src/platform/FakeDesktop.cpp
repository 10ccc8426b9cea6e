#include "platform/FakeDesktop.h"

#include <QPainter>
#include <QWidget>

FakeDesktop::FakeDesktop(QSize size, QRgb fill)
    : Screen(size, QImage::Format_RGB32)
    , Primary(size)
{
    Screen.fill(fill);
}

std::uint32_t FakeDesktop::PixelAt(QPoint pos) const
{
    const QPoint local = pos - Origin;
    if (!Screen.rect().contains(local))
        return 0xFFFFFFFFu;
    const QRgb rgb = Screen.pixel(local);
    return std::uint32_t(qRed(rgb)) | (std::uint32_t(qGreen(rgb)) << 8) | (std::uint32_t(qBlue(rgb)) << 16);
}

QImage FakeDesktop::CopyBlock(const QRect& area, QRgb outside) const
{
    QImage block(area.size(), QImage::Format_RGB32);
    block.fill(outside);
    const QRect inside = area.translated(-Origin).intersected(Screen.rect());
    if (!inside.isEmpty()) {
        QPainter painter(&block);
        painter.drawImage(inside.topLeft() + Origin - area.topLeft(), Screen, inside);
    }
    return block;
}

QRect FakeDesktop::WorkAreaNear(const QWidget* widget) const
{
    if (WorkAreas.isEmpty())
        return { QPoint(0, 0), Primary };
    const QPoint centre = widget ? widget->mapToGlobal(widget->rect().center()) : QPoint();
    const QRect* best = &WorkAreas.front();
    for (const QRect& area : WorkAreas) {
        if (area.contains(centre))
            return area;
        if ((area.center() - centre).manhattanLength() < (best->center() - centre).manhattanLength())
            best = &area;
    }
    return *best;
}
