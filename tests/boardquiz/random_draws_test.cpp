// Draws without replacement over the process-wide generator.
#include "lesson_frame/random_draws.h"
#include "platform/random.h"
#include "tests/support/reference_random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace {

TEST(NumberPool, HoldsOneToNAscendingWithoutLeadingZeros)
{
    const platform::TStrings pool = frame::NumberPool(12);
    ASSERT_EQ(pool.GetCount(), 12);
    EXPECT_EQ(pool.Get(0), "1");
    EXPECT_EQ(pool.Get(8), "9");
    EXPECT_EQ(pool.Get(9), "10");
    EXPECT_EQ(pool.Get(11), "12");
}

TEST(DrawWithoutReplacement, FollowsTheGeneratorWithShrinkingBounds)
{
    for (uint32_t seed : {0u, 1u, 0x12345678u, 0x80000000u, 0xFFFFFFFFu}) {
        platform::RandSeed = seed;
        platform::TStrings pool = frame::NumberPool(30);
        std::vector<int> expectedPool(30);
        std::iota(expectedPool.begin(), expectedPool.end(), 1);
        testing_support::ReferenceRandom lcg{seed};
        for (int bound = 30; bound >= 1; --bound) {
            const int r = lcg.below(bound);
            const int expected = expectedPool[static_cast<size_t>(r)];
            expectedPool.erase(expectedPool.begin() + r);
            EXPECT_EQ(frame::DrawWithoutReplacement(pool), std::to_string(expected))
                << "seed " << seed << " bound " << bound;
        }
        EXPECT_EQ(pool.GetCount(), 0);
        // The last draw, bound 1, still advanced the generator.
        EXPECT_EQ(platform::RandSeed, lcg.state()) << "seed " << seed;
    }
}

TEST(DrawWithoutReplacement, ShortSeriesGivesDistinctNumbers)
{
    platform::RandSeed = 99;
    platform::TStrings pool = frame::NumberPool(8);
    std::vector<std::string> drawn;
    for (int i = 0; i < 5; ++i)
        drawn.push_back(frame::DrawWithoutReplacement(pool));
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(std::unique(drawn.begin(), drawn.end()), drawn.end());
    EXPECT_EQ(pool.GetCount(), 3);
}

TEST(DrawWithoutReplacement, EmptyPoolRaises)
{
    platform::TStrings pool;
    EXPECT_ANY_THROW(frame::DrawWithoutReplacement(pool));
}

}  // namespace
