#include "app/global.h"

TRGBColor CurrentColor;
QString AppPath;
QString AppVersion;
