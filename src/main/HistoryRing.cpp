#include "main/HistoryRing.h"

bool PushSlot(std::array<TRGBColor, 16>& ring, std::int32_t& next, std::int32_t& last, TColor picked)
{
    if (ToTColor(ring[std::size_t(last)]) == picked)
        return false;
    ring[std::size_t(next)] = FromTColor(picked);
    last = next;
    next = next + 1 > 15 ? 0 : next + 1;
    return true;
}
