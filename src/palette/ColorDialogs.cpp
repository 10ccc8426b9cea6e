#include "palette/ColorDialogs.h"

#include "controls/SkinForm.h"
#include "controls/bsSkinTrackEdit.h"
#include "palette/ColorGrids.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <memory>

// The picture of the hue picker, with the mouse handed to the dialog.
class TPickerImage final : public QWidget {
public:
    TPickerImage(TbsSkinColorDialog& dialog, QWidget* parent)
        : QWidget(parent)
        , FDialog(dialog)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, FDialog.PickerPicture()); }
    void mousePressEvent(QMouseEvent* e) override { FDialog.PickerMouseDown(e->button(), e->position().toPoint()); }
    void mouseMoveEvent(QMouseEvent* e) override { FDialog.PickerMouseMove(e->buttons(), e->position().toPoint()); }
    void mouseReleaseEvent(QMouseEvent* e) override { FDialog.PickerMouseUp(e->button(), e->position().toPoint()); }

private:
    TbsSkinColorDialog& FDialog;
};

namespace {

TRGBColor EditsColor(const TbsSkinTrackEdit* r, const TbsSkinTrackEdit* g, const TbsSkinTrackEdit* b)
{
    return { std::uint8_t(r->Value() & 0xFF), std::uint8_t(g->Value() & 0xFF), std::uint8_t(b->Value() & 0xFF) };
}

} // namespace

TbsSkinColorDialog::TbsSkinColorDialog(QObject* owner)
    : QObject(owner)
{
    setObjectName(QStringLiteral("cdlgSelect"));
    FCustomColors.fill(0x00FFFFFF);
}

TbsSkinColorDialog::~TbsSkinColorDialog() = default;

bool TbsSkinColorDialog::Execute()
{
    // Built for this opening and destroyed with it, also when an exception leaves.
    const auto window = std::make_unique<TSkinForm>();
    FWindow = window.get();
    struct Forget {
        TbsSkinColorDialog* dialog;
        ~Forget() { dialog->FWindow = nullptr; }
    } forget { this };

    BuildWindow();

    FViewer->SetColorValue(Color);
    FBasicGrid->SetColorValue(Color);
    const TRGBColor start = SplitColor(Color);
    FREdit->SetValue(start.R);
    FGEdit->SetValue(start.G);
    FBEdit->SetValue(start.B);

    if (window->ShowModal() != mrOk)
        return false;
    Color = FViewer->ColorValue();
    FCustomColors = FCustomGrid->FColors;
    FCustomCount = FCustomGrid->FCount;
    return true;
}

void TbsSkinColorDialog::BuildWindow()
{
    TSkinForm* w = FWindow;
    w->setObjectName(QStringLiteral("ColorDialog"));
    w->setWindowTitle(Caption);
    w->SetTitleButtons(false, false);
    QWidget* client = w->Client();

    FBasicGrid = new TbsSkinColorGrid(client);
    FBasicGrid->setTitle(QStringLiteral("基本颜色"));
    FBasicGrid->SetRowCount(8);
    FBasicGrid->SetColCount(6);
    FBasicGrid->setGeometry(5, 5, 167, 195);
    FBasicGrid->OnChange = [this] { GridChange(FBasicGrid->ColorValue()); };

    FCustomGrid = new TbsSkinCustomColorGrid(client);
    FCustomGrid->setTitle(QStringLiteral("自定义颜色"));
    FCustomGrid->setGeometry(5, 210, 167, 68);
    FCustomGrid->FColors = FCustomColors;
    FCustomGrid->FCount = FCustomCount;
    FCustomGrid->FSelected = 0;
    FCustomGrid->OnChange = [this] { GridChange(FCustomGrid->ColorValue()); };

    FDragTarget = HuePicker::dtNone;
    FPickerColor.SetRGB({ 0, 0, 0 });
    FPickerImage = new TPickerImage(*this, client);
    FPickerImage->setObjectName(QStringLiteral("FPickerImage"));
    FPickerImage->setGeometry(177, 5, 195, 195);
    // The picture centred in the image: no offset at the image's width of 195.
    FPickerOffset = (FPickerImage->width() - HuePicker::Size) / 2;

    const auto label = [client](const QString& text, int left, int top) {
        auto* l = new QLabel(text, client);
        l->adjustSize();
        l->move(left, top);
        return l;
    };
    const auto edit = [&](const char* name, int left, int top, int max, int barWidth, void (TbsSkinColorDialog::*handler)()) {
        auto* e = new TbsSkinTrackEdit(client);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(left, top, 50, 21);
        e->SetMinValue(0);
        e->SetMaxValue(max);
        e->SetValue(0);
        e->PopupKind = TbsSkinTrackEdit::tbpLeft;
        e->TrackBarWidth = barWidth;
        e->JumpWhenClick = true;
        connect(e, &TbsSkinTrackEdit::OnChange, this, handler);
        return e;
    };
    const int gridBottom = 200;
    QLabel* r = label(QStringLiteral("R:"), 177, gridBottom + 12);
    FREdit = edit("FREdit", r->geometry().right() + 1 + 5, gridBottom + 10, 255, 200, &TbsSkinColorDialog::RGBEditChange);
    label(QStringLiteral("G:"), 177, FREdit->y() + 21 + 12);
    FGEdit = edit("FGEdit", FREdit->x(), FREdit->y() + 21 + 10, 255, 200, &TbsSkinColorDialog::RGBEditChange);
    label(QStringLiteral("B:"), 177, FGEdit->y() + 21 + 12);
    FBEdit = edit("FBEdit", FREdit->x(), FGEdit->y() + 21 + 10, 255, 200, &TbsSkinColorDialog::RGBEditChange);
    const int second = FREdit->x() + 50 + 5;
    QLabel* h = label(QStringLiteral("H:"), second, gridBottom + 12);
    FHEdit = edit("FHEdit", h->geometry().right() + 1 + 5, gridBottom + 10, 359, 250, &TbsSkinColorDialog::HSVEditChange);
    label(QStringLiteral("S:"), second, FHEdit->y() + 21 + 12);
    FSEdit = edit("FSEdit", FHEdit->x(), FHEdit->y() + 21 + 10, 100, 120, &TbsSkinColorDialog::HSVEditChange);
    label(QStringLiteral("L:"), second, FSEdit->y() + 21 + 12);
    FLEdit = edit("FLEdit", FHEdit->x(), FSEdit->y() + 21 + 10, 100, 120, &TbsSkinColorDialog::HSVEditChange);

    FViewer = new TbsColorViewer(client);
    FViewer->setObjectName(QStringLiteral("FViewer"));
    const int viewerLeft = FHEdit->x() + 50 + 5;
    const int viewerSize = 177 + 195 - viewerLeft;
    FViewer->setGeometry(viewerLeft, 210, viewerSize, viewerSize);

    const int buttonsTop = FLEdit->y() + 21 + 15;
    FOKButton = new QPushButton(QStringLiteral("确定"), client);
    FOKButton->setGeometry(5, buttonsTop, 70, 25);
    FCancelButton = new QPushButton(QStringLiteral("取消"), client);
    FCancelButton->setGeometry(90, buttonsTop, 70, 25);
    FAddButton = new QPushButton(QStringLiteral("添加到自定义颜色"), client);
    FAddButton->setGeometry(177, buttonsTop, 195, 25);
    w->SetDefaultButton(FOKButton);
    w->SetCancelButton(FCancelButton);
    connect(FOKButton, &QPushButton::clicked, w, [w] { w->SetModalResult(mrOk); });
    connect(FCancelButton, &QPushButton::clicked, w, [w] { w->SetModalResult(mrCancel); });
    connect(FAddButton, &QPushButton::clicked, this, &TbsSkinColorDialog::AddCustomColorClick);

    w->SetClientSize(QSize(378, buttonsTop + 25 + 10));
    // The centre of the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        w->move(screen->geometry().center() - QPoint(w->width() / 2, w->height() / 2));

    FHues = BuildHueTable();
    FPicture = HuePicker::BuildPicture(FHues, FPickerColor, w->palette().color(QPalette::Button).rgb(), FPickerOffset);
    ToggleMarkers();
}

void TbsSkinColorDialog::ToggleMarkers() { HuePicker::ToggleMarkers(FPicture, FPickerColor.HSL, FPickerOffset); }

void TbsSkinColorDialog::RedrawSquare()
{
    HuePicker::PaintSquare(FPicture, FPickerColor, FPickerOffset);
    ToggleMarkers();
    if (FPickerImage)
        FPickerImage->update();
}

void TbsSkinColorDialog::SetPickerFrom(TRGBColor c)
{
    if (FFromPicker)
        return;
    ToggleMarkers(); // off at the old place
    FPickerColor.SetRGB(c);
    RedrawSquare();
}

void TbsSkinColorDialog::ShowHSV(TRGBColor c)
{
    const THSV hsv = RGBToHSV(c);
    FHEdit->SetValue(hsv.H);
    FSEdit->SetValue(hsv.S);
    FLEdit->SetValue(hsv.V);
}

void TbsSkinColorDialog::RGBEditChange()
{
    if (FUpdatingRGB || !FLEdit) // the edits are still being built
        return;
    FViewer->SetColorValue(ToTColor(EditsColor(FREdit, FGEdit, FBEdit)));
    const TRGBColor c = SplitColor(FViewer->ColorValue());
    FUpdatingHSV = true;
    ShowHSV(c);
    SetPickerFrom(c);
    FUpdatingHSV = false;
}

void TbsSkinColorDialog::HSVEditChange()
{
    if (FUpdatingHSV || !FLEdit)
        return;
    const TRGBColor c = HSVToRGB({ FHEdit->Value(), FSEdit->Value(), FLEdit->Value() });
    FViewer->SetColorValue(ToTColor(c));
    FUpdatingRGB = true;
    FREdit->SetValue(c.R);
    FGEdit->SetValue(c.G);
    FBEdit->SetValue(c.B);
    SetPickerFrom(c);
    FUpdatingRGB = false;
}

void TbsSkinColorDialog::GridChange(TColor value)
{
    if (!FLEdit)
        return;
    const TRGBColor c = SplitColor(value);
    FUpdatingRGB = true;
    FREdit->SetValue(c.R);
    FGEdit->SetValue(c.G);
    FBEdit->SetValue(c.B);
    FUpdatingRGB = false;
    FViewer->SetColorValue(value);
    FUpdatingHSV = true;
    ShowHSV(c);
    SetPickerFrom(c);
    FUpdatingHSV = false;
}

void TbsSkinColorDialog::PickerToRGBEdits()
{
    FFromPicker = true;
    FREdit->SetValue(FPickerColor.RGB.R);
    FGEdit->SetValue(FPickerColor.RGB.G);
    FBEdit->SetValue(FPickerColor.RGB.B);
    FFromPicker = false;
}

void TbsSkinColorDialog::AddCustomColorClick() { FCustomGrid->AddCustomColor(FViewer->ColorValue()); }

void TbsSkinColorDialog::PickerMouseDown(Qt::MouseButton button, QPoint at)
{
    FDragTarget = HuePicker::HitTest(at, FPickerOffset);
    if (button == Qt::LeftButton)
        Apply(at);
}

void TbsSkinColorDialog::PickerMouseMove(Qt::MouseButtons buttons, QPoint at)
{
    if (buttons & Qt::LeftButton)
        Apply(at);
}

void TbsSkinColorDialog::PickerMouseUp(Qt::MouseButton button, QPoint at)
{
    if (button == Qt::LeftButton)
        Apply(at);
    FDragTarget = HuePicker::dtNone;
}

void TbsSkinColorDialog::Apply(QPoint at)
{
    if (FDragTarget == HuePicker::dtRing)
        ApplyRing(at);
    else if (FDragTarget == HuePicker::dtSquare)
        ApplySquare(at);
}

void TbsSkinColorDialog::ApplyRing(QPoint at)
{
    const std::uint8_t hue = HuePicker::RingHueByte(at, FPickerOffset);
    if (hue == FPickerColor.HSLBytes.H)
        return;
    ToggleMarkers();
    FPickerColor.SetHSLBytes({ hue, FPickerColor.HSLBytes.S, FPickerColor.HSLBytes.L });
    PickerToRGBEdits();
    RedrawSquare();
}

void TbsSkinColorDialog::ApplySquare(QPoint at)
{
    const auto [saturation, lightness] = HuePicker::SquareBytes(at, FPickerOffset);
    ToggleMarkers();
    FPickerColor.SetHSLBytes({ FPickerColor.HSLBytes.H, saturation, lightness });
    PickerToRGBEdits();
    ToggleMarkers();
    FPickerImage->update();
}
