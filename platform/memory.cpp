#include "platform/memory.h"

#include "platform/picture_cache.h"

#include <malloc.h>
#include <unistd.h>

#include <cstdio>

namespace platform {

namespace {

// The program's resident size beyond which a closed screen's memory is
// handed back: the main window alone takes about 54 MB.
constexpr long kMemoryBudgetKb = 56 * 1024;

long residentKb()
{
    FILE* statm = std::fopen("/proc/self/statm", "re");
    if (!statm)
        return -1;
    long size = 0, resident = 0;
    const bool read = std::fscanf(statm, "%ld %ld", &size, &resident) == 2;
    std::fclose(statm);
    return read ? resident * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

}  // namespace

void releaseFreedMemory()
{
    // The allocator keeps freed pages for reuse by default; they would
    // otherwise stay counted against the program.
    embeddedPictureCache().trim();
    malloc_trim(0);
}

void keepWithinMemoryBudget()
{
    // The closed screen's pictures are no longer shown: keep only the
    // cache's share of them.
    embeddedPictureCache().trim();
    // Handing pages back costs the next screens a fault for each page they
    // touch again, so it is done only once the footprint has grown.
    if (residentKb() > kMemoryBudgetKb)
        releaseFreedMemory();
}

}  // namespace platform
