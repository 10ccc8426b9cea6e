#pragma once

#include <QPointer>
#include <QWidget>

class QAction;
class QEventLoop;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;
class TbsTrayIcon;

// How a window shown with ShowModal was closed.
enum TModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrNo = 7,
};

// A frameless top-level window with our own title bar: the icon button (system menu),
// the caption, and minimise and close buttons. Dragging the title bar moves the window.
// Subclasses put their controls on Client(), whose size is the window's client area.
class TSkinForm : public QWidget {
    Q_OBJECT

public:
    explicit TSkinForm(QWidget* parent = nullptr, Qt::WindowFlags extraFlags = {});

    [[nodiscard]] QWidget* Client() const { return FClient; }
    void SetClientSize(QSize size);

    // Which title-bar buttons the frame shows besides close.
    void SetTitleButtons(bool systemMenu, bool minimize, bool maximize = false);
    // A frame the user can resize (with a grip in the bottom-right corner), starting at
    // this client size.
    void SetResizable(QSize clientSize);

    [[nodiscard]] QToolButton* IconButton() const { return FIconButton; }
    [[nodiscard]] QToolButton* MinimizeButton() const { return FMinimizeButton; }
    [[nodiscard]] QToolButton* CloseButton() const { return FCloseButton; }

    // The system menu: "最小化(&N)", the window's own items, "关闭(&C)" (Alt+F4).
    [[nodiscard]] QMenu* SystemMenu() const { return FSystemMenu; }
    void AddSystemMenuItems(const QList<QAction*>& items);
    void ShowSystemMenu(QPoint globalPos);

    // With a tray icon linked and AlwaysMinimizeToTray set, every minimise of the
    // frame sends the window to the tray instead.
    void SetTrayIcon(TbsTrayIcon* trayIcon);
    [[nodiscard]] TbsTrayIcon* TrayIcon() const;
    bool AlwaysMinimizeToTray = false;
    void Minimize();
    void SendToTray();
    void RestoreFromTray();

    // Shows the window application-modal and returns once it is closed.
    int ShowModal();
    [[nodiscard]] int ModalResult() const { return FModalResult; }
    // Sets the result and closes the window.
    void SetModalResult(int result);
    // Enter presses the default button; Esc presses the cancel button, or closes a modal
    // window that has none.
    void SetDefaultButton(QPushButton* button);
    void SetCancelButton(QPushButton* button);

    static constexpr int TitleHeight = 24;
    static constexpr int BorderWidth = 1;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* FTitleBar = nullptr;
    QLabel* FCaption = nullptr;
    QToolButton* FIconButton = nullptr;
    QToolButton* FMinimizeButton = nullptr;
    QToolButton* FMaximizeButton = nullptr;
    QToolButton* FCloseButton = nullptr;
    QWidget* FClient = nullptr;
    QMenu* FSystemMenu = nullptr;
    QAction* FMinimizeItem = nullptr;
    QAction* FCloseItem = nullptr;
    QPointer<TbsTrayIcon> FTrayIcon;
    QPointer<QPushButton> FDefaultButton;
    QPointer<QPushButton> FCancelButton;
    QEventLoop* FModalLoop = nullptr;
    int FModalResult = mrNone;
    QPoint FDragOffset;
    bool FDragging = false;
};
