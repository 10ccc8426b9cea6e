#pragma once

// The text forms of a colour and the web-safe rounding: pure rules, no widgets.

#include "app/global.h"

#include <QString>

[[nodiscard]] QString WebForm(TRGBColor c); // "#FF8000"
[[nodiscard]] QString RGBForm(TRGBColor c); // "RGB(255,128,0)"
[[nodiscard]] QString DelphiForm(TRGBColor c); // "$000080FF": the colour value, blue first

// Nearest multiple of 51. 51 is odd, so a channel never sits halfway between two.
[[nodiscard]] std::uint8_t WebSafeChannel(std::uint8_t channel);
[[nodiscard]] TRGBColor WebSafe(TRGBColor c);
