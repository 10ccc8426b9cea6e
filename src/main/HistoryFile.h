#pragma once

// The history file HisColors.dat: 59 bytes, little-endian, no header. The layout is
// shared with every earlier run's file and never changes meaning:
//   0  3 bytes  current colour R, G, B
//   3  4 bytes  next slot to write (signed)
//   7  4 bytes  slot written last (signed)
//  11 48 bytes  16 slots of R, G, B, slot 0 first
// A longer file keeps its extra bytes; a shorter one supplies only its bytes.

#include "app/global.h"

#include <QString>

#include <array>
#include <cstdint>

struct THistoryState {
    TRGBColor Current { 255, 255, 255 };
    std::int32_t NextSlot = 0;
    std::int32_t LastSlot = 0;
    std::array<TRGBColor, 16> Slots {};
};

inline constexpr int HistoryFileSize = 59;
inline constexpr int HistorySlotCount = 16;

// Overlays what the file holds on `state`, byte by byte from the start; a missing
// file is created empty. A file that cannot be opened changes nothing. Index values
// outside 0..15 (a damaged or foreign file) become 0, so they never address a slot.
void LoadHistoryFile(const QString& path, THistoryState& state);

// Writes the 59 bytes at the start of the file, creating it when missing and never
// truncating it. A file that cannot be opened or written keeps its old content.
void SaveHistoryFile(const QString& path, const THistoryState& state);
