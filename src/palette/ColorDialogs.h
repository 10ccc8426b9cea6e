#pragma once

#include "app/global.h"
#include "palette/ColorSpaces.h"
#include "palette/HuePicker.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>

#include <array>

class QLabel;
class QPushButton;
class TbsColorViewer;
class TbsSkinColorGrid;
class TbsSkinCustomColorGrid;
class TbsSkinTrackEdit;
class TSkinForm;
class TPickerImage;

// The advanced palette: a modal dialog built for each Execute. The caller sets Color,
// runs Execute, and on true reads the chosen colour back from Color. The custom colours
// stay in the component between openings (after OK only).
class TbsSkinColorDialog final : public QObject {
    Q_OBJECT

public:
    explicit TbsSkinColorDialog(QObject* owner = nullptr);
    ~TbsSkinColorDialog() override;

    TColor Color = 0;
    QString Caption = QStringLiteral("Set color");

    bool Execute();

    // Kept between openings.
    std::array<TColor, 13> FCustomColors {};
    int FCustomCount = 0;

    // The open dialog's parts, for the handlers (and for tests while Execute runs).
    TSkinForm* Window() const { return FWindow; }
    TbsSkinColorGrid* FBasicGrid = nullptr;
    TbsSkinCustomColorGrid* FCustomGrid = nullptr;
    TPickerImage* FPickerImage = nullptr;
    TbsColorViewer* FViewer = nullptr;
    TbsSkinTrackEdit* FREdit = nullptr;
    TbsSkinTrackEdit* FGEdit = nullptr;
    TbsSkinTrackEdit* FBEdit = nullptr;
    TbsSkinTrackEdit* FHEdit = nullptr;
    TbsSkinTrackEdit* FSEdit = nullptr;
    TbsSkinTrackEdit* FLEdit = nullptr;
    QPushButton* FOKButton = nullptr;
    QPushButton* FCancelButton = nullptr;
    QPushButton* FAddButton = nullptr;

    [[nodiscard]] const TPSPColor& PickerColor() const { return FPickerColor; }
    [[nodiscard]] const QImage& PickerPicture() const { return FPicture; }

    void PickerMouseDown(Qt::MouseButton button, QPoint at);
    void PickerMouseMove(Qt::MouseButtons buttons, QPoint at);
    void PickerMouseUp(Qt::MouseButton button, QPoint at);

private:
    void BuildWindow();
    void RGBEditChange();
    void HSVEditChange();
    void GridChange(TColor c);
    void PickerToRGBEdits();
    void AddCustomColorClick();
    void SetPickerFrom(TRGBColor c);
    void ToggleMarkers();
    void RedrawSquare();
    void Apply(QPoint at);
    void ApplyRing(QPoint at);
    void ApplySquare(QPoint at);
    void ShowHSV(TRGBColor c);

    TPSPColor FPickerColor;
    THueTable FHues {};
    QImage FPicture;
    HuePicker::TDragTarget FDragTarget = HuePicker::dtNone;
    int FPickerOffset = 0;
    bool FUpdatingRGB = false;
    bool FUpdatingHSV = false;
    bool FFromPicker = false;
    TSkinForm* FWindow = nullptr;
};
