#pragma once

// The number rules of the channel editors, free of widgets so they can be tested alone.

#include <QString>

#include <cstdint>

namespace TrackEditRules {

// Bounded to [minValue, maxValue]; a range of one value (min == max) means "no bounds".
[[nodiscard]] std::int32_t ClampToRange(std::int64_t v, std::int32_t minValue, std::int32_t maxValue);

// Digits with at most one leading "-"; "" and "-" alone are not numbers yet.
[[nodiscard]] bool IsNumberText(const QString& text);

// Whether a typed character may enter a text: digits, one "-", control characters
// other than carriage return (backspace and the clipboard shortcuts).
[[nodiscard]] bool IsAcceptedChar(QChar ch, const QString& currentText);

// A number text as a signed 32-bit value. Throws EConvertError when it does not fit.
[[nodiscard]] std::int32_t ParseNumberText(const QString& text);

// Whether the editor must rewrite a typed number as its clamped value. A negative
// number below a zero minimum and leading zeros stay as typed while the user types;
// a number past the top is corrected at once.
[[nodiscard]] bool TextNeedsCorrection(std::int32_t parsed, std::int32_t clamped, std::int32_t minValue);

} // namespace TrackEditRules
