// Sound files left under their ".wav" name by a program that was killed
// between its two renames, and the termination signals that end the program
// only between two event handlers, never between two renames.
#pragma once

#include <functional>
#include <string>

namespace platform {

// Gives every NAME.wav in folder (with its trailing "/") whose NAME.dat is
// missing its ".dat" name back, whatever kind of file it is (a play renames
// whatever lies under NAME.dat); a NAME.wav beside a NAME.dat stays as it is.
// Returns how many files were renamed.
int restoreLeftoverSounds(const std::string& folder);

// SIGTERM, SIGINT and SIGHUP end the program cleanly: the signal is only
// noted, and the window thread, once its current handler has returned, runs
// `beforeExit` and leaves every event loop. Needs the application object.
void installTerminationHandler(std::function<void()> beforeExit);

}  // namespace platform
