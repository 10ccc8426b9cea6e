#include "palette/ColorSpaces.h"

#include <algorithm>
#include <cmath>

int RoundEven(double v) { return int(std::nearbyint(v)); } // the default mode rounds halves to even

namespace {

std::uint8_t Byte(double v) { return std::uint8_t(std::clamp(RoundEven(v), 0, 255)); }

std::uint8_t HueToChannel(double h, double m1, double m2)
{
    if (h < 0)
        h += 1;
    else if (h > 1)
        h -= 1;
    double v = m1;
    if (6 * h < 1)
        v = m1 + (m2 - m1) * h * 6;
    else if (2 * h < 1)
        v = m2;
    else if (3 * h < 2)
        v = m1 + (m2 - m1) * (2.0 / 3.0 - h) * 6;
    return Byte(v * 255);
}

} // namespace

TRGBColor SplitColor(TColor value) { return FromTColor(value); }

THSLReal RGBToHSL(TRGBColor c)
{
    const double r = c.R / 255.0, g = c.G / 255.0, b = c.B / 255.0;
    const double max = std::max({ r, g, b });
    const double min = std::min({ r, g, b });
    THSLReal hsl;
    hsl.L = (max + min) / 2;
    if (max == min)
        return hsl;
    const double d = max - min;
    hsl.S = hsl.L < 0.5 ? d / (max + min) : d / (2 - max - min);
    double h = 0;
    if (r == max)
        h = (g - b) / d;
    else if (g == max)
        h = 2 + (b - r) / d;
    else
        h = 4 + (r - g) / d;
    hsl.H = h / 6;
    if (hsl.H < 0)
        hsl.H += 1;
    return hsl;
}

TRGBColor HSLToRGB(THSLReal hsl)
{
    if (hsl.S == 0) {
        const std::uint8_t grey = Byte(hsl.L * 255);
        return { grey, grey, grey };
    }
    const double m2 = hsl.L <= 0.5 ? hsl.L * (1 + hsl.S) : hsl.L + hsl.S - hsl.L * hsl.S;
    const double m1 = 2 * hsl.L - m2;
    return { HueToChannel(hsl.H + 1.0 / 3.0, m1, m2), HueToChannel(hsl.H, m1, m2), HueToChannel(hsl.H - 1.0 / 3.0, m1, m2) };
}

THSLBytes HSLToBytes(THSLReal hsl) { return { Byte(hsl.H * 255), Byte(hsl.S * 255), Byte(hsl.L * 255) }; }

THSLReal BytesToHSL(THSLBytes bytes) { return { bytes.H / 255.0, bytes.S / 255.0, bytes.L / 255.0 }; }

THSV RGBToHSV(TRGBColor c)
{
    const int max = std::max({ c.R, c.G, c.B });
    const int min = std::min({ c.R, c.G, c.B });
    const int d = max - min;
    if (d == 0)
        return { 0, 0, RoundEven(double(c.R * 100) / 255) };
    return { RoundEven(RGBToHSL(c).H * 359), RoundEven(double(d) / max * 100), RoundEven(max / 255.0 * 100) };
}

TRGBColor HSVToRGB(THSV hsv)
{
    const double s = hsv.S / 100.0;
    const double v = double(hsv.V * 255) / 100;
    if (s == 0)
        return { Byte(v), Byte(v), Byte(v) };
    const double h6 = (hsv.H / 360.0) / (1.0 / 6.0);
    const int i = int(std::floor(h6));
    const double f = h6 - i;
    const double p = v * (1 - s);
    const double q = v * (1 - s * f);
    const double t = v * (1 - (1 - f) * s);
    switch (i) {
    case 0:
        return { Byte(v), Byte(t), Byte(p) };
    case 1:
        return { Byte(q), Byte(v), Byte(p) };
    case 2:
        return { Byte(p), Byte(v), Byte(t) };
    case 3:
        return { Byte(p), Byte(q), Byte(v) };
    case 4:
        return { Byte(t), Byte(p), Byte(v) };
    default:
        return { Byte(v), Byte(p), Byte(q) };
    }
}

namespace {

constexpr double RadiansPerDegree = 0.01745329252;

// The direction of `p` seen from `c` in degrees, in [0, 360).
double Direction(QPointF c, QPointF p)
{
    const double dx = p.x() - c.x();
    const double dy = p.y() - c.y();
    if (std::hypot(dx, dy) < 1e-8)
        return 0;
    double radians = std::atan2(dy, dx);
    if (std::fabs(radians) < 1e-8)
        radians = 0;
    double degrees = radians / RadiansPerDegree;
    while (degrees < 0)
        degrees += 360;
    while (degrees >= 360)
        degrees -= 360;
    return degrees;
}

} // namespace

double ClockAngle(QPointF centre, QPointF point)
{
    double angle = Direction(centre, point) - Direction(centre, QPointF(centre.x(), 0));
    while (angle < 0)
        angle += 360;
    while (angle >= 360)
        angle -= 360;
    return angle;
}

void TPSPColor::SetRGB(TRGBColor c)
{
    RGB = c;
    HSL = RGBToHSL(c);
    HSLBytes = HSLToBytes(HSL);
}

void TPSPColor::SetHSL(THSLReal hsl)
{
    HSL = hsl;
    RGB = HSLToRGB(hsl);
    HSLBytes = HSLToBytes(hsl);
}

void TPSPColor::SetHSLBytes(THSLBytes bytes)
{
    HSLBytes = bytes;
    HSL = BytesToHSL(bytes);
    RGB = HSLToRGB(HSL);
}

THueTable BuildHueTable()
{
    THueTable table {};
    TPSPColor scratch;
    for (int i = 0; i < 360; ++i) {
        scratch.SetHSL({ i / 359.0, 1.0, 0.47 });
        table[std::size_t(i)] = scratch.RGB;
    }
    return table;
}
