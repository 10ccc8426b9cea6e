#include "platform/FontWarmup.h"

#include <fontconfig/fontconfig.h>

FontWarmup::FontWarmup()
    : FThread([] { FcInit(); })
{
}

FontWarmup::~FontWarmup() { Wait(); }

void FontWarmup::Wait()
{
    if (FThread.joinable())
        FThread.join();
}
