#include "platform/memory.h"

#include "platform/picture_cache.h"

#include <malloc.h>
#include <sys/mman.h>

#include <cstdio>
#include <cstring>

namespace platform {

namespace {

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

}  // namespace

void releaseFreedMemory()
{
    // The closed screen's pictures are no longer shown: keep only the
    // cache's share of them. The allocator keeps freed pages for reuse by
    // default; they would otherwise stay counted against the program.
    embeddedPictureCache().trim();
    malloc_trim(0);
    dropMappedFontPages();
}

}  // namespace platform
