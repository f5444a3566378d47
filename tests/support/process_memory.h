// The test process's resident memory, for tests that bound what a decoder
// or a player may take.
#pragma once

#include <unistd.h>

#include <cstdio>

namespace testing_support {

// Resident set size in kB (0 when /proc cannot tell).
inline long ResidentKb()
{
    long pages = 0, resident = 0;
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (!f)
        return 0;
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
        resident = 0;
    std::fclose(f);
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

}  // namespace testing_support
