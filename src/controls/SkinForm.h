#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// A frameless top-level window with our own title bar: the icon button (system menu),
// the caption, and minimise and close buttons. Dragging the title bar moves the window.
// Subclasses put their controls on Client(), whose size is the window's client area.
class TSkinForm : public QWidget {
    Q_OBJECT

public:
    explicit TSkinForm(QWidget* parent = nullptr, Qt::WindowFlags extraFlags = {});

    [[nodiscard]] QWidget* Client() const { return FClient; }
    void SetClientSize(QSize size);

    [[nodiscard]] QToolButton* IconButton() const { return FIconButton; }
    [[nodiscard]] QToolButton* MinimizeButton() const { return FMinimizeButton; }
    [[nodiscard]] QToolButton* CloseButton() const { return FCloseButton; }

    static constexpr int TitleHeight = 24;
    static constexpr int BorderWidth = 1;

signals:
    void SystemMenuRequested(QPoint globalPos);
    void MinimizeRequested();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* FTitleBar = nullptr;
    QLabel* FCaption = nullptr;
    QToolButton* FIconButton = nullptr;
    QToolButton* FMinimizeButton = nullptr;
    QToolButton* FCloseButton = nullptr;
    QWidget* FClient = nullptr;
    QPoint FDragOffset;
    bool FDragging = false;
};
