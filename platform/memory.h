// Memory hygiene between lesson visits.
#pragma once

namespace platform {

// Hands the heap pages that a closed screen's widgets and pictures freed back
// to the system, so the program's footprint stays that of what is open.
void releaseFreedMemory();

}  // namespace platform
