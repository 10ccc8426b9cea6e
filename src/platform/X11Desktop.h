#pragma once

#include "platform/Desktop.h"

// Reads the screen through Xlib on the connection Qt already holds. Only this unit
// includes the X headers: their macros (Bool, None, Status) clash with Qt's.
[[nodiscard]] std::unique_ptr<Desktop> CreateX11Desktop();
