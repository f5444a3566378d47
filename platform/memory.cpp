#include "platform/memory.h"

#include "platform/picture_cache.h"

// The font engine cache has no public way to be emptied.
#include <QtGui/private/qfont_p.h>

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
    embeddedPictureCache().trim();
    // Every face and size a screen drew text in stays open until the font
    // cache lets go of it: its parsed tables and rendered glyphs on the heap
    // and the font file's pages it read (a CJK face is 20 to 27 MB). Dropping
    // this thread's cache closes them all; fonts still in use open their
    // faces again when they next draw, to the same glyphs, and what is on
    // screen is already drawn.
    QFontCache::cleanup();
    // The allocator keeps freed pages for reuse by default; they would
    // otherwise stay counted against the program.
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
