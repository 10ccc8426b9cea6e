#pragma once

#include <QString>

#include <cstdint>

// Three unsigned bytes, red first. The current colour and every history slot use it.
struct TRGBColor {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;

    friend bool operator==(const TRGBColor&, const TRGBColor&) = default;
};

// The colour value that drawing calls and dialogs exchange: R + G*256 + B*65536, top byte 0.
using TColor = std::uint32_t;

// What a screen read gives back when the pixel cannot be read.
inline constexpr TColor InvalidColor = 0xFFFFFFFFu;

[[nodiscard]] constexpr TColor ToTColor(TRGBColor c) { return TColor(c.R) | (TColor(c.G) << 8) | (TColor(c.B) << 16); }

// The three low bytes of a colour value; the top byte is ignored.
[[nodiscard]] constexpr TRGBColor FromTColor(TColor value)
{
    return { std::uint8_t(value & 0xFF), std::uint8_t((value >> 8) & 0xFF), std::uint8_t((value >> 16) & 0xFF) };
}

[[nodiscard]] constexpr TRGBColor ComplementOf(TRGBColor c)
{
    return { std::uint8_t(255 - c.R), std::uint8_t(255 - c.G), std::uint8_t(255 - c.B) };
}

// The shared state every window reads. CurrentColor is black until the main window's
// start-up makes it white (or whatever the history file kept).
extern TRGBColor CurrentColor;
extern QString AppPath; // folder of the executable, ending with "/"
extern QString AppVersion; // set first thing in the main window's start-up

// Caption of the application's error boxes; the trailing blank is part of it.
inline const QString AppTitle = QStringLiteral("Tintora ");
