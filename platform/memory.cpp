#include "platform/memory.h"

#include <malloc.h>

namespace platform {

void releaseFreedMemory()
{
    // The allocator keeps freed pages for reuse by default; a closed
    // lesson's pictures would otherwise stay counted against the program.
    malloc_trim(0);
}

}  // namespace platform
