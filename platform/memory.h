// Memory hygiene between lesson visits.
#pragma once

namespace platform {

// Hands the memory of a closed screen back to the system: its pictures
// beyond what the picture cache keeps aside, the fonts it drew text in and
// the heap pages its widgets freed. Call it on the window thread, between
// events (not while painting).
void releaseFreedMemory();
// After a screen has closed: lets the picture cache go back to its bound and,
// once the program's footprint has grown past its budget, hands memory back
// as above.
void keepWithinMemoryBudget();

}  // namespace platform
