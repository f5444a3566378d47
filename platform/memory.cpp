#include "platform/memory.h"

#include "platform/picture_cache.h"

#include <malloc.h>

namespace platform {

void releaseFreedMemory()
{
    // The closed screen's pictures are no longer shown: keep only the
    // cache's share of them. The allocator keeps freed pages for reuse by
    // default; they would otherwise stay counted against the program.
    embeddedPictureCache().trim();
    malloc_trim(0);
}

}  // namespace platform
