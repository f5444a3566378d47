// Memory hygiene between lesson visits.
#pragma once

namespace platform {

// Hands the memory of a closed screen's widgets and pictures back to the
// system (what the picture cache may keep aside), so the program's footprint
// stays that of what is open.
void releaseFreedMemory();

}  // namespace platform
