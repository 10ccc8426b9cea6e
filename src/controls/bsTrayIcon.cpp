#include "controls/bsTrayIcon.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QIcon>
#include <QMenu>
#include <QMouseEvent>
#include <QStyleHints>
#include <QSystemTrayIcon>
#include <QWidget>

namespace {

// The notification area keeps at most this many characters of a tip.
constexpr int MaxHintLength = 127;

// On X11 the icon is a small window of Qt's own, docked into the notification area.
// It is the only place the release of a press on the icon can be seen.
QWidget* FindIconWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qstrcmp(widget->metaObject()->className(), "QSystemTrayIconSys") == 0)
            return widget;
    }
    return nullptr;
}

} // namespace

TbsTrayIcon::TbsTrayIcon(QObject* parent)
    : QObject(parent)
    , FIcon(new QSystemTrayIcon(this))
{
    FClickTimer.setSingleShot(true);
    connect(&FClickTimer, &QTimer::timeout, this, [this] { MouseEvent(TTrayClickMachine::Input::TimerEnd); });
    connect(FIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) { Activated(reason); });
}

TbsTrayIcon::~TbsTrayIcon()
{
    // Leaves nothing behind in the notification area.
    FIcon->hide();
}

void TbsTrayIcon::SetHint(const QString& hint) { FIcon->setToolTip(hint.left(MaxHintLength)); }

QString TbsTrayIcon::Hint() const { return FIcon->toolTip(); }

void TbsTrayIcon::SetIcon(const QIcon& icon) { FIcon->setIcon(icon); }

void TbsTrayIcon::SetIconVisible(bool visible)
{
    FIconVisible = visible;
    // Qt docks the icon again by itself when the notification area is re-created.
    FIcon->setVisible(visible);
}

void TbsTrayIcon::SetPopupMenu(QMenu* menu) { FPopupMenu = menu; }

QMenu* TbsTrayIcon::PopupMenu() const { return FPopupMenu; }

bool TbsTrayIcon::HostAvailable() { return QSystemTrayIcon::isSystemTrayAvailable(); }

void TbsTrayIcon::Watch(QWidget* window)
{
    if (FWindow)
        FWindow->removeEventFilter(this);
    FWindow = window;
    if (window)
        window->installEventFilter(this);
}

void TbsTrayIcon::Activated(int reason)
{
    using Input = TTrayClickMachine::Input;
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        WatchIconWindow();
        MouseEvent(Input::LeftPress);
        // Without a window of our own (a notification area over D-Bus), the platform
        // reports whole clicks: the button is already up.
        if (!FIconWindow)
            MouseEvent(Input::LeftRelease);
        break;
    case QSystemTrayIcon::DoubleClick:
        MouseEvent(Input::LeftDoubleClick);
        break;
    case QSystemTrayIcon::Context:
        MouseEvent(Input::RightPress);
        break;
    case QSystemTrayIcon::MiddleClick:
        MouseEvent(Input::MiddlePress);
        MouseEvent(Input::MiddleRelease);
        break;
    default:
        break;
    }
}

void TbsTrayIcon::WatchIconWindow()
{
    QWidget* window = FindIconWindow();
    if (window == FIconWindow)
        return;
    if (FIconWindow)
        FIconWindow->removeEventFilter(this);
    FIconWindow = window;
    if (window)
        window->installEventFilter(this);
}

void TbsTrayIcon::MouseEvent(TTrayClickMachine::Input input)
{
    const unsigned outputs = FClicks.Feed(input);
    if (outputs & TTrayClickMachine::StopTimer)
        FClickTimer.stop();
    if (outputs & TTrayClickMachine::StartTimer)
        FClickTimer.start(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    if (outputs & TTrayClickMachine::Click)
        emit OnClick();
    if (outputs & TTrayClickMachine::DoubleClick)
        emit OnDblClick();
    if ((outputs & TTrayClickMachine::OpenMenu) && FPopupMenu)
        FPopupMenu->popup(QCursor::pos());
}

bool TbsTrayIcon::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FIconWindow && event->type() == QEvent::MouseButtonRelease) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (button == Qt::LeftButton)
            MouseEvent(TTrayClickMachine::Input::LeftRelease);
    } else if (watched == FWindow) {
        if (event->type() == QEvent::WindowStateChange && FWindow->isMinimized())
            WindowMinimized();
        else if (event->type() == QEvent::Show)
            WindowShown();
    }
    return QObject::eventFilter(watched, event);
}

void TbsTrayIcon::WindowMinimized()
{
    if (!MinimizeToTray || !HostAvailable())
        return;
    // Hidden, the window also leaves the taskbar; the icon is the way back. The hide
    // waits for the state change to finish.
    QTimer::singleShot(0, FWindow, [window = FWindow] {
        if (window && window->isMinimized())
            window->hide();
    });
    SetIconVisible(true);
}

void TbsTrayIcon::WindowShown()
{
    // However it comes back, the window returns in its normal state and in front. The
    // state can only change once the show has finished.
    QTimer::singleShot(0, FWindow, [window = FWindow] {
        if (!window || !window->isVisible())
            return;
        if (window->isMinimized())
            window->showNormal();
        window->raise();
        window->activateWindow();
    });
}
