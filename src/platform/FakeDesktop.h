#pragma once

#include "platform/Desktop.h"

#include <QList>

// An in-memory desktop for tests: an image stands for the virtual desktop, whose
// top-left corner is `Origin` (negative when a monitor sits left of the primary one).
class FakeDesktop final : public Desktop {
public:
    QImage Screen; // the whole virtual desktop
    QPoint Origin { 0, 0 }; // screen coordinate of Screen's pixel (0,0)
    QPoint Pointer { 0, 0 };
    QSize Primary { 1920, 1080 };
    QList<QRect> WorkAreas; // nearest by centre distance; empty: the primary screen

    explicit FakeDesktop(QSize size = { 1920, 1080 }, QRgb fill = 0xFF000000);

    [[nodiscard]] QPoint PointerPos() const override { return Pointer; }
    [[nodiscard]] std::uint32_t PixelAt(QPoint pos) const override;
    [[nodiscard]] QImage CopyBlock(const QRect& area, QRgb outside) const override;
    [[nodiscard]] QSize PrimaryScreenSize() const override { return Primary; }
    [[nodiscard]] QRect VirtualDesktop() const override { return { Origin, Screen.size() }; }
    [[nodiscard]] QRect WorkAreaNear(const QWidget* widget) const override;
};
