// What the program does for its sound files before anything plays and when
// it is told to end.
#pragma once

#include <string>
#include <vector>

namespace app {

// The media folder of every screen (the main window's and each lesson's),
// under the program folder, each with its trailing "/".
std::vector<std::string> MediaFolders();

// Gives sound files left under their ".wav" name by a killed run their
// ".dat" name back; returns how many.
int RestoreLeftoverSounds();

// Before the first sound: lets termination signals end the program cleanly
// (leftovers repaired on the way out), repairs leftovers, and starts the
// sound card's thread, which opens it off the window thread.
void PrepareSounds();

}  // namespace app
