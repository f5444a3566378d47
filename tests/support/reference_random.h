// The program's random rule written out independently of platform/random.cpp,
// so fixed-seed tests can compute what a lesson must draw: the state advances
// s := s * 134775813 + 1 (mod 2^32), and a draw below n is the high 32 bits
// of n * s.
#pragma once

#include <cstdint>

namespace testing_support {

class ReferenceRandom {
public:
    explicit ReferenceRandom(uint32_t seed) : s_(seed) {}
    // The next draw in 0..n-1 (0 for n <= 0, after advancing).
    int32_t below(int32_t n)
    {
        s_ = s_ * 134775813u + 1u;
        if (n <= 0)
            return 0;
        return static_cast<int32_t>((static_cast<uint64_t>(s_) * static_cast<uint64_t>(n)) >> 32);
    }
    uint32_t state() const { return s_; }

private:
    uint32_t s_;
};

}  // namespace testing_support
