#include "platform/memory.h"

#include "platform/picture_cache.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace platform {

namespace {

// The program's resident size beyond which a closed screen's memory is
// handed back: the main window alone takes about 54 MB.
constexpr long kMemoryBudgetKb = 56 * 1024;

bool isFontFile(const char* path)
{
    const char* dot = std::strrchr(path, '.');
    if (!dot)
        return false;
    for (const char* ext : {".ttc", ".ttf", ".otf", ".otc"})
        if (strcasecmp(dot, ext) == 0)
            return true;
    return false;
}

// The font files the text renderer maps read-only keep every page of every
// glyph it ever drew resident; the pages stay in the system's file cache, so
// dropping them from this process only costs a cheap fault when a later
// screen draws those glyphs again.
void dropMappedFontPages()
{
    FILE* maps = std::fopen("/proc/self/maps", "re");
    if (!maps)
        return;
    char line[4096];
    while (std::fgets(line, sizeof line, maps)) {
        unsigned long from = 0, to = 0;
        char perms[5] = {};
        int pathAt = 0;
        if (std::sscanf(line, "%lx-%lx %4s %*s %*s %*s %n", &from, &to, perms, &pathAt) < 3 || pathAt == 0)
            continue;
        char* path = line + pathAt;
        path[std::strcspn(path, "\n")] = '\0';
        // Read-only mappings only: their pages can never differ from the file.
        if (perms[0] != 'r' || perms[1] != '-' || !isFontFile(path))
            continue;
        madvise(reinterpret_cast<void*>(from), to - from, MADV_DONTNEED);
    }
    std::fclose(maps);
}

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
    dropMappedFontPages();
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
