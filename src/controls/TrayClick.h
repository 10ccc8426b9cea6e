#pragma once

#include <cstdint>

// When a mouse event on the tray icon turns into a click, a double click or the menu.
// A single click waits for the double-click time after the press, so that a double
// click never also counts as a click; a press held longer acts at its release.
// The owner runs a one-shot timer of the double-click time and carries out the answers.
class TTrayClickMachine {
public:
    enum class Input : std::uint8_t {
        LeftPress,
        LeftRelease,
        LeftDoubleClick,
        TimerEnd,
        RightPress,
        RightRelease,
        MiddlePress,
        MiddleRelease,
        Move,
    };

    // What the owner has to do; several may come at once.
    enum Output : unsigned {
        None = 0,
        StartTimer = 1u << 0,
        StopTimer = 1u << 1,
        Click = 1u << 2,
        DoubleClick = 1u << 3,
        OpenMenu = 1u << 4,
    };

    unsigned Feed(Input input);

private:
    bool FClickStarted = false; // a left press began a click that has not fired
    bool FClickReady = false; // ...and its button has come up
    bool FTimerRunning = false;
};
