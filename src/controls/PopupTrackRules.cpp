#include "controls/PopupTrackRules.h"

#include <algorithm>

namespace PopupTrackRules {

namespace {

    // num / den rounded to the nearest integer, halves to the even one; den > 0.
    std::int64_t DivideRoundHalfEven(std::int64_t num, std::int64_t den)
    {
        std::int64_t q = num / den;
        std::int64_t r = num % den;
        if (r < 0) { // floor division, so the remainder is 0..den-1
            q -= 1;
            r += den;
        }
        const std::int64_t twice = 2 * r;
        if (twice > den || (twice == den && (q % 2) != 0))
            q += 1;
        return q;
    }

} // namespace

QRect PlacePopup(const QRect& editor, int width, int height, Anchor anchor, const QRect& workArea)
{
    const bool alignRight = anchor == Anchor::Left && width != editor.width();
    const int left = alignRight ? editor.x() + editor.width() - width : editor.x();
    QRect popup(left, editor.y() + editor.height(), width, height);

    const int workRight = workArea.x() + workArea.width();
    const int workBottom = workArea.y() + workArea.height();
    if (popup.x() + popup.width() > workRight)
        popup.moveLeft(workRight - popup.width());
    else if (popup.x() < workArea.x())
        popup.moveLeft(workArea.x());
    if (popup.y() + popup.height() > workBottom)
        popup.moveTop(editor.y() - popup.height());
    return popup;
}

std::int32_t ValueAt(std::int32_t minValue, std::int32_t maxValue, std::int64_t p, std::int64_t L)
{
    if (L <= 0)
        return minValue;
    p = std::clamp<std::int64_t>(p, 0, L);
    const std::int64_t span = std::int64_t(maxValue) - minValue;
    return std::int32_t(minValue + DivideRoundHalfEven(span * p, L));
}

std::int64_t OffsetOf(std::int32_t minValue, std::int32_t maxValue, std::int32_t value, std::int64_t L)
{
    const std::int64_t span = std::int64_t(maxValue) - minValue;
    if (L <= 0 || span <= 0)
        return 0;
    const std::int64_t offset = DivideRoundHalfEven((std::int64_t(value) - minValue) * L, span);
    return std::clamp<std::int64_t>(offset, 0, L);
}

std::int32_t Clamp(std::int64_t value, std::int32_t minValue, std::int32_t maxValue)
{
    if (value > maxValue)
        value = maxValue;
    if (value < minValue) // a reversed range ends at its minimum
        value = minValue;
    return std::int32_t(value);
}

} // namespace PopupTrackRules
