// The fast unique walk against the walk taken one number at a time.
#include <gtest/gtest.h>

#include <random>

#include "commands/fill/UniqueWalk.h"

namespace {

// A used set of a random size over a random small span, the same in both forms.
struct UsedCase {
    std::vector<bool> flags;
    CUsedNumbers fast{1};
};

UsedCase RandomCase(std::mt19937& random)
{
    const std::uint32_t span = std::uniform_int_distribution<std::uint32_t>(1, 60)(random);
    UsedCase c{std::vector<bool>(span, false), CUsedNumbers(span)};
    const std::uint32_t marks = std::uniform_int_distribution<std::uint32_t>(0, span - 1)(random);
    for (std::uint32_t i = 0; i < marks; ++i) {
        const std::uint32_t offset = std::uniform_int_distribution<std::uint32_t>(0, span - 1)(random);
        c.flags[offset] = true;
        c.fast.Mark(offset);
    }
    return c;
}

} // namespace

TEST(UniqueWalk, MatchesTheLiteralWalkOnManySmallCases)
{
    std::mt19937 random(20240601);
    int compared = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        UsedCase c = RandomCase(random);
        const std::uint32_t span = static_cast<std::uint32_t>(c.flags.size());
        ASSERT_GT(c.fast.FreeCount(), 0u);
        for (std::uint32_t from = 0; from < span; ++from) {
            for (std::uint64_t k = 0; k < c.fast.FreeCount(); ++k) {
                ASSERT_EQ(c.fast.FreeAfter(from, k), FreeAfterLiteral(c.flags, from, k))
                    << "span " << span << " from " << from << " k " << k << " used " << c.fast.UsedCount();
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 100000);
}

TEST(UniqueWalk, WrapsAfterTheLastNumber)
{
    CUsedNumbers used(5);
    std::vector<bool> flags(5, false);
    for (std::uint32_t offset : {1u, 3u, 4u}) {
        used.Mark(offset);
        flags[offset] = true;
    }
    // Unused: 0 and 2. From 3 the walk meets 0 first, then 2, then 0 again.
    EXPECT_EQ(used.FreeAfter(3, 0), 0u);
    EXPECT_EQ(used.FreeAfter(3, 1), 2u);
    EXPECT_EQ(used.FreeAfter(4, 0), 0u);
    EXPECT_EQ(used.FreeAfter(2, 0), 0u); // an unused start is met last
    EXPECT_EQ(used.FreeAfter(2, 1), 2u);
    EXPECT_EQ(FreeAfterLiteral(flags, 2, 1), 2u);
}

TEST(UniqueWalk, HandlesTheFullThirtyTwoBitSpan)
{
    CUsedNumbers used(std::uint64_t{1} << 32);
    used.Mark(0xFFFFFFFFu);
    used.Mark(0u);
    used.Mark(2u);
    EXPECT_EQ(used.FreeCount(), (std::uint64_t{1} << 32) - 3);
    EXPECT_EQ(used.FreeAfter(0xFFFFFFFFu, 0), 1u);
    EXPECT_EQ(used.FreeAfter(0xFFFFFFFFu, 1), 3u);
    EXPECT_EQ(used.FreeAfter(0xFFFFFFFEu, 0), 1u);
    EXPECT_EQ(used.FreeAfter(3u, used.FreeCount() - 1), 3u);
    EXPECT_EQ(used.FreeAfter(0xFFFFFFF0u, 13), 0xFFFFFFFEu);
    EXPECT_EQ(used.FreeAfter(0xFFFFFFF0u, 14), 1u);
}
