#pragma once

#include <QWidget>

#include <cstdint>

// A horizontal track bar in a borderless pop-up window that never takes the keyboard
// focus: the editor that opened it keeps the focus while the user drags the thumb.
class TbsSkinPopupTrackBar final : public QWidget {
    Q_OBJECT

public:
    explicit TbsSkinPopupTrackBar(QWidget* owner);

    [[nodiscard]] std::int32_t MinValue() const { return FMinValue; }
    void SetMinValue(std::int32_t value);
    [[nodiscard]] std::int32_t MaxValue() const { return FMaxValue; }
    void SetMaxValue(std::int32_t value);
    [[nodiscard]] std::int32_t Value() const { return FValue; }
    // Clamped to the range; OnChange only when the value really changes.
    void SetValue(std::int64_t value);
    bool JumpWhenClick = false;

    // The thumb's geometry, in the bar's own coordinates.
    static constexpr int TrackMargin = 3;
    static constexpr int ThumbWidth = 9;
    [[nodiscard]] int TrackLength() const; // L: how far the thumb can travel
    [[nodiscard]] QRect ThumbRect() const;

signals:
    void OnChange();
    // The end of a drag.
    void OnLastChange();
    // Wheel turns over the bar; they belong to the focused editor.
    void WheelTurned(QWheelEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    [[nodiscard]] int ThumbOffset() const;

    std::int32_t FMinValue = 0;
    std::int32_t FMaxValue = 100;
    std::int32_t FValue = 50;
    bool FDragging = false;
    bool FTrackPressed = false;
    int FPressOffset = 0; // the thumb's offset at the press
    int FPressX = 0;
    int FDragOffset = 0; // where the dragged thumb is drawn
};
