#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QWidget>

class Desktop;
class QLabel;
class QPushButton;
class QToolButton;
class TPaintBox;

// The ruler panel: a caption bar "测距" with a roll button (up to the caption bar and
// back) and a close button, over the ruler's controls.
class TbsSkinExPanel final : public QWidget {
    Q_OBJECT

public:
    TbsSkinExPanel(const QString& caption, QWidget* parent);

    static constexpr int CaptionHeight = 21;
    [[nodiscard]] bool RollState() const { return FRolled; }
    void SetRollState(bool rolled);
    [[nodiscard]] QToolButton* RollButton() const { return FRollButton; }
    [[nodiscard]] QToolButton* CloseButton() const { return FCloseButton; }

signals:
    // The close button hid the panel.
    void OnClose();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QToolButton* FRollButton = nullptr;
    QToolButton* FCloseButton = nullptr;
    int FUnrolledHeight = 0;
    bool FRolled = false;
};

// The measuring window: a frozen copy of the primary screen on which the user drags a
// rubber line and reads its length.
class TfrmDisplay final : public QWidget {
    Q_OBJECT

public:
    explicit TfrmDisplay(Desktop& desktop, QWidget* parent = nullptr);
    ~TfrmDisplay() override;

    TbsSkinExPanel* sepRuler = nullptr;
    TPaintBox* pbCaptureScreen = nullptr;
    QLabel* lblCurPos = nullptr;
    QLabel* lblStartPos = nullptr;
    QLabel* lblEndPos = nullptr;
    QLabel* lblResult = nullptr;
    QLabel* lblScreen = nullptr;
    QPushButton* bsSkinButton1 = nullptr; // 结束

    // What the window shows: the snapshot with the rubber line inverted into it.
    [[nodiscard]] const QImage& Canvas() const { return FCanvas; }
    [[nodiscard]] const QImage& Snapshot() const { return FSnapshot; }
    [[nodiscard]] const QImage& ZoomBitmap() const { return FZoomBmp; }
    [[nodiscard]] bool SnapshotReady() const { return FSnapshotReady; }

    void FormMouseDown(QPoint at);
    void FormMouseMove(QPoint at);
    void FormMouseUp();

    // How long the screen is left to settle after the main window hid.
    static constexpr int SettleMs = 500;

signals:
    // The window closed and is about to be discarded.
    void FormClosed();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    void PrepareDisplay();
    void CaptureScreen();
    void DrawZoom();
    void EraseRubberLine();
    void DrawRubberLine();
    void ShowMeasurement();
    void InvertRubberLine();

    Desktop& FDesktop;
    QImage FSnapshot;
    QImage FCanvas;
    QPoint FStartPos { 0, 0 };
    QPoint FEndPos { 0, 0 };
    bool FDragging = false;
    QPoint FCurPos { 0, 0 };
    QPoint FZoomCenter { 0, 0 };
    QPoint FZoomHalfSrc { 0, 0 };
    QImage FZoomBmp;
    QSize FZoomSrcSize;
    bool FSnapshotReady = false;
    bool FLineShown = false; // a rubber line is inverted into the canvas
};

// The measuring window, or empty.
extern TfrmDisplay* frmDisplay;
