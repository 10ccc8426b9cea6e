#pragma once

#include "controls/TrayClick.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QIcon;
class QMenu;
class QSystemTrayIcon;
class QWidget;

// The program's icon in the notification area. A left click or double click on it
// raises OnClick / OnDblClick (see TTrayClickMachine for the timing); the right button
// opens the pop-up menu at the pointer. It also watches one window: when that window
// is minimised while MinimizeToTray is set, the window is hidden and only the icon stays.
class TbsTrayIcon final : public QObject {
    Q_OBJECT

public:
    explicit TbsTrayIcon(QObject* parent = nullptr);
    ~TbsTrayIcon() override;

    void SetHint(const QString& hint);
    [[nodiscard]] QString Hint() const;
    void SetIcon(const QIcon& icon);
    void SetIconVisible(bool visible);
    [[nodiscard]] bool IconVisible() const { return FIconVisible; }
    void SetPopupMenu(QMenu* menu);
    [[nodiscard]] QMenu* PopupMenu() const;

    // Whether a notification area exists at all; without one, minimising stays ordinary.
    [[nodiscard]] static bool HostAvailable();

    void Watch(QWidget* window);

    // Set by SendToTray, cleared by RestoreFromTray.
    bool MinimizeToTray = false;

    // One mouse event on the icon, as the platform reports it.
    void MouseEvent(TTrayClickMachine::Input input);

    [[nodiscard]] QSystemTrayIcon* Icon() const { return FIcon; }

signals:
    void OnClick();
    void OnDblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Activated(int reason);
    void WatchIconWindow();
    void WindowMinimized();
    void WindowShown();

    QSystemTrayIcon* FIcon = nullptr;
    QPointer<QMenu> FPopupMenu;
    QPointer<QWidget> FWindow;
    QPointer<QWidget> FIconWindow;
    QTimer FClickTimer;
    TTrayClickMachine FClicks;
    bool FIconVisible = false;
};
