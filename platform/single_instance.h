// The single-instance guard of the program entry, and the lock file behind
// it that no other local user can create first or hold.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform {

// Creates the mutex "OnlyOne": when it cannot be created, shows the failure
// box and returns without running; when another copy holds it, returns at
// once without a word; otherwise runs `body` and closes the handle after.
// Returns the exit code.
int RunSingleInstance(const std::function<int()>& body);

// Folders that may hold the lock, best first: the user's runtime folder, a
// private folder of the user's in the temp folder, one in ~/.cache.
std::vector<std::string> instanceLockFolders();

// Outcome of taking the lock file `name`.lock.
struct InstanceLock {
    int fd = -1;  // open descriptor (also when another copy holds the lock); -1: none
    bool heldElsewhere = false;
    int error = 0;     // errno of the last failure when fd is -1
    std::string path;  // the lock file used
};
// Takes the lock in the first folder that is the user's own and private,
// with a lock file that is the user's own; the lock goes with the process.
InstanceLock takeInstanceLock(const std::string& name);

}  // namespace platform
