#include "platform/random.h"

#include "platform/platform.h"

namespace platform {

uint32_t RandSeed = 0;

void Randomize()
{
    RandSeed = static_cast<uint32_t>(current().highResolutionCounter());
}

int32_t Random(int32_t n)
{
    RandSeed = RandSeed * 134775813u + 1u;
    if (n <= 0)
        return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(RandSeed) * static_cast<uint64_t>(n)) >> 32);
}

}  // namespace platform
