#include "platform/QtScreenGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace QtScreenGeometry {

QSize PrimaryScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

QRect VirtualDesktop()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry() : QRect();
}

QRect WorkAreaNear(const QWidget* widget)
{
    const QScreen* screen = nullptr;
    if (widget) {
        const QPoint centre = widget->mapToGlobal(widget->rect().center());
        screen = QGuiApplication::screenAt(centre);
        if (!screen)
            screen = widget->screen();
    }
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace QtScreenGeometry
