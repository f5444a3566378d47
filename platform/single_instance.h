// The single-instance guard of the program entry, and the lock file behind
// it: one per program folder, so every copy that would rename the same
// media folders finds it, whatever its environment.
#pragma once

#include "platform/platform.h"

#include <functional>
#include <string>

namespace platform {

// Creates the mutex "OnlyOne": when it cannot be created, shows the failure
// box and returns without running; when another copy holds it, returns at
// once without a word; otherwise runs `body` and closes the handle after.
// Returns the exit code.
int RunSingleInstance(const std::function<int()>& body);

// Outcome of taking the lock file `name`.lock in a folder.
struct InstanceLock {
    int fd = -1;  // open descriptor (also when another copy holds the lock); -1: none
    bool heldElsewhere = false;
    int error = 0;     // errno of the failure when fd is -1
    std::string path;  // the lock file
};
// Takes folder/`name`.lock, made 0600 when missing. The folder (with or
// without its trailing "/") must be one no other user can change: the
// user's or root's, and writable by nobody else unless sticky. The lock
// file must be a regular file of the user's with no other name (no link of
// either kind). The lock goes with the process.
InstanceLock takeInstanceLock(const std::string& folder, const std::string& name);

// The lock as the real platform's named mutex: a handle (0: none) and the
// error code getLastError then gives (ERROR_ALREADY_EXISTS when another
// copy holds it). Where the program keeps it: `name`.lock in its own folder.
Handle createInstanceLock(const std::string& folder, const std::string& name, unsigned long& lastError);
void closeInstanceLock(Handle handle);

}  // namespace platform
