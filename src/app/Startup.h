#pragma once

#include <functional>

class Desktop;

// Creates the application's windows in their fixed order: the main window, the data
// module, the measuring window (hidden). A failure in one creation is shown by the
// default error handler and the next one is created all the same.
// Returns false when there is no main window to run.
[[nodiscard]] bool CreateApplicationWindows(Desktop& desktop);
void DestroyApplicationWindows();

// Runs one creation step: an exception is shown by the default error handler and
// start-up goes on.
void CreateGuarded(const std::function<void()>& create);
