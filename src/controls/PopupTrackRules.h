#pragma once

// Where the pop-up track bar opens and how its thumb maps to a value; free of widgets.

#include <QRect>

#include <cstdint>

namespace PopupTrackRules {

enum class Anchor { Right, Left }; // tbpRight, tbpLeft

// The pop-up's screen rectangle for an editor at `editor` (screen coordinates).
// tbpLeft with a width other than the editor's aligns the right edges, anything else
// the left edges; the pop-up hangs below the editor. It is then kept inside the work
// area: shifted left to end at its right edge, or else moved right to its left edge,
// and put above the editor when it would pass the bottom.
[[nodiscard]] QRect PlacePopup(const QRect& editor, int width, int height, Anchor anchor, const QRect& workArea);

// The value for a thumb offset p on a track of usable length L:
// minValue + Round((maxValue - minValue) * p / L), p clamped to 0..L, halves to even;
// minValue when L is 0.
[[nodiscard]] std::int32_t ValueAt(std::int32_t minValue, std::int32_t maxValue, std::int64_t p, std::int64_t L);

// The thumb offset that shows a value, the nearest the track allows.
[[nodiscard]] std::int64_t OffsetOf(std::int32_t minValue, std::int32_t maxValue, std::int32_t value, std::int64_t L);

// A value bounded to the pop-up's range.
[[nodiscard]] std::int32_t Clamp(std::int64_t value, std::int32_t minValue, std::int32_t maxValue);

} // namespace PopupTrackRules
