// Memory hygiene between lesson visits.
#pragma once

namespace platform {

// Hands the memory of a closed screen back to the system: its pictures
// beyond what the picture cache keeps aside, the heap pages its widgets
// freed, and the pages of the font files its texts were drawn from. The
// program's footprint stays that of what is open.
void releaseFreedMemory();

}  // namespace platform
