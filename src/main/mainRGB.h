#pragma once

#include "app/global.h"
#include "controls/SkinForm.h"

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QSize>

#include <array>
#include <cstdint>

class Desktop;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TbsSkinDrawGrid;
class TbsSkinLinkLabel;
class TbsSkinTrackEdit;
class TbsTrayIcon;
class TPaintBox;
class TfrmColorPanel;
class TbsSkinColorDialog;

// The main window: the colour editors and outputs, the eyedropper with its magnifier,
// the history, and the buttons of every command. It owns the current colour's refresh.
class TfrmMain final : public TSkinForm {
    Q_OBJECT

public:
    explicit TfrmMain(Desktop& desktop, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The refresh sequence: editors first, then the swatch and the text forms.
    void UpdateViews();
    void ShowChannelValues();
    void ShowColorForms();
    // FPickedColor into CurrentColor and the editors' texts.
    void TakeColor();

    // Controls, under their designer names.
    TbsSkinTrackEdit* edtR = nullptr;
    TbsSkinTrackEdit* edtG = nullptr;
    TbsSkinTrackEdit* edtB = nullptr;
    QLineEdit* edtHC = nullptr;
    QLineEdit* edtRGB = nullptr;
    QLineEdit* edtDelphi = nullptr;
    QPushButton* bsSkinButton1 = nullptr; // 退出
    QPushButton* bsSkinButton2 = nullptr; // 高级调色板
    QPushButton* bsSkinButton3 = nullptr; // 保存颜色
    QPushButton* bsSkinButton4 = nullptr; // 加载颜色
    QPushButton* bsSkinButton5 = nullptr; // 关于
    QPushButton* bsSkinButton6 = nullptr; // 颜色参考
    QPushButton* bsSkinButton7 = nullptr; // 复制 the web form
    QPushButton* bsSkinButton8 = nullptr; // 复制 the RGB form
    QPushButton* bsSkinButton9 = nullptr; // 复制 the colour-constant form
    QPushButton* bsSkinButton10 = nullptr; // 计算安全色
    QPushButton* bsSkinButton11 = nullptr; // 屏幕测距
    QGroupBox* bsSkinGroupBox1 = nullptr; // 颜色编辑
    QGroupBox* bsSkinGroupBox2 = nullptr; // 颜色输出
    QGroupBox* gpSnag = nullptr; // 颜色捕获
    QFrame* bsSkinPanel1 = nullptr; // holds the history grid
    TbsSkinDrawGrid* sdgHistory = nullptr;
    TPaintBox* pbCaptureScreen = nullptr;
    QLabel* lblMousePos = nullptr;
    QFrame* pnlColor = nullptr;
    QLabel* lblColor = nullptr;
    TbsSkinLinkLabel* bsSkinLinkLabel1 = nullptr;

    // Commands of the window itself, shown in the tray menu and the system menu.
    QAction* aShow = nullptr;
    QAction* aHide = nullptr;
    QAction* aExit = nullptr;
    QAction* actStayOnTop = nullptr;
    QMenu* bsSkinPopupMenu1 = nullptr; // the tray icon's menu
    TbsSkinColorDialog* cdlgSelect = nullptr; // 高级调色板
    TbsTrayIcon* bsTrayIcon1 = nullptr;

    void aShowExecute();
    void aHideExecute();
    void aExitExecute();
    void aShowUpdate();
    void aHideUpdate();
    void actStayOnTopExecute();
    [[nodiscard]] bool StaysOnTop() const;
    void bsSkinButton2Click();
    void bsSkinButton3Click();
    void bsSkinButton4Click();
    void bsSkinButton5Click();
    void bsSkinButton11Click();
    void bsSkinButton6Click();
    // The reference window while it exists (hidden or shown); empty otherwise.
    QPointer<TfrmColorPanel> frmColorPanel;
    void bsTrayIcon1Click();

    // State read by tests and by the later commands.
    [[nodiscard]] const QImage& ZoomBitmap() const { return FZoomBmp; }
    [[nodiscard]] const std::array<TRGBColor, 16>& History() const { return FHistory; }
    [[nodiscard]] std::int32_t NextSlot() const { return FNextSlot; }
    [[nodiscard]] std::int32_t LastSlot() const { return FLastSlot; }
    void SetPickedColor(TColor value) { FPickedColor = value; }
    [[nodiscard]] TColor PickedColor() const { return FPickedColor; }
    [[nodiscard]] bool Picking() const { return FPicking; }

    // The eyedropper: press on the swatch, drag anywhere, release.
    void pnlColorMouseDown();
    void pnlColorMouseMove();
    void pnlColorMouseUp();

    // Stores FPickedColor in the next slot unless it equals the slot written last.
    void PushHistory();

signals:
    // The window has closed and saved its history; the run ends with it.
    void FormClosed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildEditGroup();
    void BuildOutputGroup();
    void BuildCaptureGroup();
    void BuildCommands();

    void FormCreate();
    void InitMainWindow();
    void FinishMainWindow();

    void LoadHistory();
    void SaveHistory();
    void ShowTrayIcon();

    void ChannelEdited(const TbsSkinTrackEdit& editor, std::uint8_t& channel);
    void edtRChange();
    void edtGChange();
    void edtBChange();
    void bsSkinButton10Click();
    void CopyForm(QLineEdit* edit);
    void pbCaptureScreenPaint(QPainter& painter);
    void sdgHistorySelectCell(int col, int row, bool& canSelect);
    void sdgHistoryDrawCell(QPainter& painter, int col, int row, const QRect& rect, bool selected);

    Desktop& FDesktop;

    TColor FPickedColor = 0;
    QPoint FCursorPos { 0, 0 };
    bool FPicking = false;
    QPoint FZoomCenter { 0, 0 };
    QPoint FZoomHalfSrc { 0, 0 };
    QPoint FZoomCursorPos { 0, 0 };
    QImage FZoomBmp;
    QSize FZoomSrcSize;
    std::array<TRGBColor, 16> FHistory {};
    std::int32_t FNextSlot = 0;
    std::int32_t FLastSlot = 0;
};

// The main window once created; empty before and after.
extern TfrmMain* frmMain;
