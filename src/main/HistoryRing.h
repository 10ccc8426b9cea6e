#pragma once

#include "app/global.h"

#include <array>
#include <cstdint>

// The 16-slot ring of picked colours.
// Writes `picked` into slot `next` unless it equals the slot written last, all 32 bits
// compared (so a failed screen read, 0xFFFFFFFF, is always stored, as white). Returns
// whether a slot was written; `last` is then the slot written.
bool PushSlot(std::array<TRGBColor, 16>& ring, std::int32_t& next, std::int32_t& last, TColor picked);
