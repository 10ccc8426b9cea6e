#pragma once

#include <thread>

// Reading the system's font configuration is the largest single cost of showing the
// first window (tens of XML files, before any text can be measured). It needs nothing
// from Qt, so it runs on the second core while Qt connects to the display; Qt's own
// font set-up then finds it done.
class FontWarmup {
public:
    FontWarmup();
    ~FontWarmup();
    FontWarmup(const FontWarmup&) = delete;
    FontWarmup& operator=(const FontWarmup&) = delete;

    // Waits until the configuration is loaded, so Qt never loads it a second time.
    void Wait();

private:
    std::thread FThread;
};
