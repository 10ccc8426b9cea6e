#include "main/ColorForms.h"

#include <cmath>

namespace {

QString Hex2(std::uint8_t v) { return QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper(); }

} // namespace

QString WebForm(TRGBColor c) { return QLatin1Char('#') + Hex2(c.R) + Hex2(c.G) + Hex2(c.B); }

QString RGBForm(TRGBColor c) { return QStringLiteral("RGB(%1,%2,%3)").arg(c.R).arg(c.G).arg(c.B); }

QString DelphiForm(TRGBColor c) { return QStringLiteral("$00") + Hex2(c.B) + Hex2(c.G) + Hex2(c.R); }

std::uint8_t WebSafeChannel(std::uint8_t channel) { return std::uint8_t(std::nearbyint(channel / 51.0) * 51); }

TRGBColor WebSafe(TRGBColor c) { return { WebSafeChannel(c.R), WebSafeChannel(c.G), WebSafeChannel(c.B) }; }
