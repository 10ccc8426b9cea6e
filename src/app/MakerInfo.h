#pragma once

#include <QString>

// How to reach the makers. These are stand-ins until the studio has addresses of its own.
inline const QString MakerWebAddress = QStringLiteral("http://lanzo.example");
inline const QString MakerSecondWebAddress = QStringLiteral("http://tintora.example");
inline const QString MakerEmail = QStringLiteral("zy@lanzo.example");
inline const QString MakerMessenger = QStringLiteral("QQ：00000000");
