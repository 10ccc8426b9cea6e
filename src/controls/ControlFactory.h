#pragma once

// The few ways every window of the program makes its plain controls: named (so tests
// and screenshots find them), placed by client coordinates, buttons with a hand pointer.

#include "app/global.h"

#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect geometry, const QString& hint = {});

// A label's text colour, its own rather than the window's.
void SetTextColor(QWidget* widget, const QColor& colour);

[[nodiscard]] inline QColor ToQColor(TRGBColor c) { return QColor(c.R, c.G, c.B); }
[[nodiscard]] inline QColor ToQColor(TColor value) { return ToQColor(FromTColor(value)); }
