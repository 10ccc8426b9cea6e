#include "controls/TrayClick.h"

unsigned TTrayClickMachine::Feed(Input input)
{
    switch (input) {
    case Input::LeftPress:
        FClickStarted = true;
        FClickReady = false;
        FTimerRunning = true;
        return StartTimer;
    case Input::LeftRelease:
        if (!FClickStarted)
            return None;
        FClickReady = true;
        if (FTimerRunning)
            return None;
        // Held past the double-click time: the click acts now, once.
        FClickStarted = false;
        return Click;
    case Input::TimerEnd:
        FTimerRunning = false;
        if (FClickStarted && FClickReady) {
            FClickStarted = false;
            return Click;
        }
        return None;
    case Input::LeftDoubleClick: {
        const unsigned stop = FTimerRunning ? StopTimer : None;
        FClickStarted = false;
        FClickReady = false;
        FTimerRunning = false;
        return stop | DoubleClick;
    }
    case Input::RightPress:
        return OpenMenu;
    case Input::RightRelease:
    case Input::MiddlePress:
    case Input::MiddleRelease:
    case Input::Move:
        break;
    }
    return None;
}
