#pragma once

#include <QLineEdit>

#include <cstdint>

class Desktop;
class QToolButton;
class TbsSkinPopupTrackBar;

// A single-line integer editor: it keeps a clamped Value, steps it with the up and down
// keys and the wheel, refuses characters that cannot belong to a number, and carries a
// button in its frame for the pop-up track bar.
//
// Every change of the text, by the user or by code, runs TextChanged and raises OnChange.
// Writing Value writes its decimal text without parsing it again; a typed text is parsed,
// clamped into Value, and rewritten only when the rules say the user cannot be typing
// towards a valid number any more.
class TbsSkinTrackEdit : public QLineEdit {
    Q_OBJECT

public:
    enum TPopupKind { tbpRight, tbpLeft };

    explicit TbsSkinTrackEdit(QWidget* parent = nullptr);
    ~TbsSkinTrackEdit() override;

    [[nodiscard]] std::int32_t MinValue() const { return FMinValue; }
    void SetMinValue(std::int32_t v) { FMinValue = v; }
    [[nodiscard]] std::int32_t MaxValue() const { return FMaxValue; }
    void SetMaxValue(std::int32_t v) { FMaxValue = v; }
    [[nodiscard]] std::int32_t Increment() const { return FIncrement; }
    void SetIncrement(std::int32_t v) { FIncrement = v; }
    [[nodiscard]] bool SupportUpDownKeys() const { return FSupportUpDownKeys; }
    void SetSupportUpDownKeys(bool on) { FSupportUpDownKeys = on; }

    [[nodiscard]] std::int32_t Value() const { return FValue; }
    void SetValue(std::int64_t v);

    [[nodiscard]] std::int32_t ClampToRange(std::int64_t v) const;

    // Pop-up settings, kept here so the owner can configure the editor in one place.
    TPopupKind PopupKind = tbpRight;
    std::int32_t TrackBarWidth = 0; // 0: as wide as the editor
    QString TrackBarSkinDataName = QStringLiteral("htrackbar");
    bool JumpWhenClick = false;
    bool AlphaBlend = false;
    int AlphaBlendValue = 0;
    bool AlphaBlendAnimation = false;

    [[nodiscard]] bool ButtonMode() const;
    void SetButtonMode(bool on);
    [[nodiscard]] QToolButton* FrameButton() const { return FButton; }

    // The pop-up track bar: the frame button opens and closes it; while it is shown the
    // up and down keys and the wheel move its thumb, and the editor follows its value.
    void TogglePopup();
    void OpenPopup();
    void ClosePopup();
    [[nodiscard]] TbsSkinPopupTrackBar* Popup() const { return FPopup; }
    // Where the work areas come from; without one, from Qt's screens.
    void SetDesktop(const Desktop* desktop) { FDesktop = desktop; }

signals:
    void OnChange();
    void OnButtonClick();
    // A typed character was dropped (the beep has sounded).
    void CharRefused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TextChanged();
    void StepBy(std::int64_t delta);
    void WheelBy(int angleDelta);
    void PopupValueChanged();
    [[nodiscard]] bool ClosesPopup(const QWidget* pressed) const;
    void FadeIn();
    void LayoutButton();

    std::int32_t FMinValue = 0;
    std::int32_t FMaxValue = 100;
    std::int32_t FValue = 0;
    std::int32_t FIncrement = 1;
    bool FSupportUpDownKeys = true;
    bool FSkipParse = false; // set while the editor writes its own value as text
    bool FSkipChange = false; // set while the editor corrects an out-of-range text
    QToolButton* FButton = nullptr;
    TbsSkinPopupTrackBar* FPopup = nullptr;
    const Desktop* FDesktop = nullptr;
};
