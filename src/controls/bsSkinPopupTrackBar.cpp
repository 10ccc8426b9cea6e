#include "controls/bsSkinPopupTrackBar.h"

#include "controls/PopupTrackRules.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QWheelEvent>

TbsSkinPopupTrackBar::TbsSkinPopupTrackBar(QWidget* owner)
    : QWidget(owner,
        Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnTopHint
            | Qt::X11BypassWindowManagerHint)
{
    setObjectName(QStringLiteral("FPopup"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    resize(100, 20);
}

void TbsSkinPopupTrackBar::SetMinValue(std::int32_t value)
{
    FMinValue = value;
    SetValue(FValue);
    update();
}

void TbsSkinPopupTrackBar::SetMaxValue(std::int32_t value)
{
    FMaxValue = value;
    SetValue(FValue);
    update();
}

void TbsSkinPopupTrackBar::SetValue(std::int64_t value)
{
    const std::int32_t clamped = PopupTrackRules::Clamp(value, FMinValue, FMaxValue);
    if (clamped == FValue)
        return;
    FValue = clamped;
    update();
    emit OnChange();
}

int TbsSkinPopupTrackBar::TrackLength() const { return std::max(0, width() - 2 * TrackMargin - ThumbWidth); }

int TbsSkinPopupTrackBar::ThumbOffset() const
{
    if (FDragging)
        return std::clamp(FDragOffset, 0, TrackLength());
    return int(PopupTrackRules::OffsetOf(FMinValue, FMaxValue, FValue, TrackLength()));
}

QRect TbsSkinPopupTrackBar::ThumbRect() const { return { TrackMargin + ThumbOffset(), 2, ThumbWidth, height() - 4 }; }

void TbsSkinPopupTrackBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.window());
    painter.setPen(colours.color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    // The groove the thumb runs along.
    const int middle = height() / 2;
    const QRect groove(TrackMargin + ThumbWidth / 2, middle - 2, TrackLength() + 1, 4);
    painter.fillRect(groove, colours.color(QPalette::Mid));
    painter.setPen(colours.color(QPalette::Shadow));
    painter.drawLine(groove.topLeft(), groove.topRight());

    QStyleOptionButton thumb;
    thumb.initFrom(this);
    thumb.rect = ThumbRect();
    thumb.state |= QStyle::State_Raised;
    if (FDragging)
        thumb.state |= QStyle::State_Sunken;
    style()->drawControl(QStyle::CE_PushButtonBevel, &thumb, &painter, this);
}

void TbsSkinPopupTrackBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    if (ThumbRect().contains(at)) {
        FPressOffset = ThumbOffset();
        FDragOffset = FPressOffset;
        FDragging = true;
        FPressX = at.x();
        update();
    } else {
        FTrackPressed = true;
    }
}

void TbsSkinPopupTrackBar::mouseMoveEvent(QMouseEvent* event)
{
    if (!FDragging)
        return;
    FDragOffset = FPressOffset + (event->position().toPoint().x() - FPressX);
    update();
    SetValue(PopupTrackRules::ValueAt(FMinValue, FMaxValue, FDragOffset, TrackLength()));
}

void TbsSkinPopupTrackBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (FDragging) {
        FDragging = false;
        update();
        emit OnLastChange();
    } else if (FTrackPressed && JumpWhenClick) {
        // The thumb centres under the pointer.
        const int offset = event->position().toPoint().x() - TrackMargin - ThumbWidth / 2;
        SetValue(PopupTrackRules::ValueAt(FMinValue, FMaxValue, offset, TrackLength()));
    }
    FTrackPressed = false;
}

void TbsSkinPopupTrackBar::wheelEvent(QWheelEvent* event) { emit WheelTurned(event); }
