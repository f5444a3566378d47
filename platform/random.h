// The process-wide pseudo-random generator: a 32-bit linear congruential
// sequence, so that a fixed seed gives a fixed, checkable sequence.
#pragma once

#include <cstdint>

namespace platform {

// The generator's state (RandSeed).
extern uint32_t RandSeed;

// Seeds RandSeed from the platform's high-resolution counter.
void Randomize();

// A value in 0..n-1: advances s := s * 134775813 + 1 and returns the high
// 32 bits of n * s. n <= 0 gives 0 after advancing.
int32_t Random(int32_t n);

}  // namespace platform
