// The single-instance guard of the program entry.
#pragma once

#include <functional>

namespace platform {

// Creates the mutex "OnlyOne": when it cannot be created, shows the failure
// box and returns without running; when another copy holds it, returns at
// once without a word; otherwise runs `body` and closes the handle after.
// Returns the exit code.
int RunSingleInstance(const std::function<int()>& body);

}  // namespace platform
