#pragma once

// The palette's colour models: RGB bytes, HSL reals and bytes (the hue picker),
// and the HSV whole numbers of the "H:", "S:", "L:" edits. Free of widgets.
// Every rounding is to the nearest integer with exact halves to the even neighbour.

#include "app/global.h"

#include <QPointF>

#include <array>
#include <cstdint>

struct THSLReal {
    double H = 0, S = 0, L = 0;
    bool operator==(const THSLReal&) const = default;
};

struct THSLBytes {
    std::uint8_t H = 0, S = 0, L = 0;
    bool operator==(const THSLBytes&) const = default;
};

struct THSV {
    int H = 0; // 0..359
    int S = 0; // 0..100
    int V = 0; // 0..100
    bool operator==(const THSV&) const = default;
};

// Round half to even.
[[nodiscard]] int RoundEven(double v);

[[nodiscard]] TRGBColor SplitColor(TColor value);
[[nodiscard]] THSLReal RGBToHSL(TRGBColor c);
[[nodiscard]] TRGBColor HSLToRGB(THSLReal hsl);
[[nodiscard]] THSLBytes HSLToBytes(THSLReal hsl);
[[nodiscard]] THSLReal BytesToHSL(THSLBytes bytes);
[[nodiscard]] THSV RGBToHSV(TRGBColor c);
[[nodiscard]] TRGBColor HSVToRGB(THSV hsv);

// The direction from `centre` to `point` in degrees, clockwise on the screen from
// straight up, in [0, 360).
[[nodiscard]] double ClockAngle(QPointF centre, QPointF point);

// One colour in the three forms, kept in step: each setter derives the other two.
class TPSPColor {
public:
    TRGBColor RGB {};
    THSLReal HSL {};
    THSLBytes HSLBytes {};

    void SetRGB(TRGBColor c);
    void SetHSL(THSLReal hsl);
    void SetHSLBytes(THSLBytes bytes);
    void CopyFrom(const TPSPColor& other) { *this = other; }
};

// The ring's colours: entry i is HSLToRGB(i / 359, 1.0, 0.47).
using THueTable = std::array<TRGBColor, 360>;
[[nodiscard]] THueTable BuildHueTable();
