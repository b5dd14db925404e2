#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "uniform/MersenneTwister.h"
#include "uniform/UniformMapping.h"
#include "tests/uniform/ReferenceData.h"
#include "tests/uniform/ScriptedSources.h"

namespace {

TEST(UniformInt, MatchesTheReferenceRows)
{
    const EngineReference data = LoadEngineReference();
    ASSERT_GE(data.ints.size(), 10u);
    for (const IntRow& row : data.ints) {
        CMersenneTwister engine(row.seed);
        for (std::size_t i = 0; i < row.values.size(); ++i) {
            ASSERT_EQ(UniformInt(engine, row.min, row.max), row.values[i])
                << "seed " << row.seed << " [" << row.min << ", " << row.max << "] draw " << i + 1;
        }
    }
}

TEST(UniformInt, EqualBoundsDrawNothing)
{
    ScriptedWords words({});
    EXPECT_EQ(UniformInt(words, 42, 42), 42);
    EXPECT_EQ(words.Drawn(), 0u);
}

TEST(UniformInt, SmallRangeKeepsTheHighBits)
{
    // n = 10: divisor 2^21, so the top 11 bits are reduced modulo 10.
    ScriptedWords words({0xFFFFFFFFu, 0x00000000u, 0x00200000u * 13u});
    EXPECT_EQ(UniformInt(words, 0, 9), 2047 % 10);
    EXPECT_EQ(UniformInt(words, 0, 9), 0);
    EXPECT_EQ(UniformInt(words, 0, 9), 3);
    // n = 2 divides 2^31: divisor 2^30, the top two bits modulo 2.
    ScriptedWords halves({0x40000000u, 0xBFFFFFFFu});
    EXPECT_EQ(UniformInt(halves, 0, 1), 1);
    EXPECT_EQ(UniformInt(halves, 0, 1), 0);
}

TEST(UniformInt, LargestSmallRangeUsesOneWordWithoutRejection)
{
    // range 858993459: n = 858993460, divisor 2; a word far above the range
    // is still mapped, not rejected.
    ScriptedWords words({0xFFFFFFFFu});
    EXPECT_EQ(UniformInt(words, 0, 858993459), 429496727); // 2147483647 - 2 * 858993460
    EXPECT_EQ(words.Drawn(), 1u);
}

TEST(UniformInt, FirstRejectionRangeDrawsUntilAWordFits)
{
    ScriptedWords words({858993461u, 0xFFFFFFFFu, 858993460u});
    EXPECT_EQ(UniformInt(words, 0, 858993460), 858993460);
    EXPECT_EQ(words.Drawn(), 3u);
    ScriptedWords shifted({5u});
    EXPECT_EQ(UniformInt(shifted, -10, 858993450), -5);
}

TEST(UniformInt, FullThirtyTwoBitRangeWrapsAroundTheSignedEnds)
{
    constexpr std::int32_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t hi = std::numeric_limits<std::int32_t>::max();
    ScriptedWords words({0u, 0xFFFFFFFFu, 0x80000000u});
    EXPECT_EQ(UniformInt(words, lo, hi), lo);
    EXPECT_EQ(UniformInt(words, lo, hi), hi);
    EXPECT_EQ(UniformInt(words, lo, hi), 0);
    CMersenneTwister engine(5);
    for (int i = 0; i < 1000; ++i) {
        const std::int32_t v = UniformInt(engine, -2000000000, 2000000000);
        ASSERT_GE(v, -2000000000);
        ASSERT_LE(v, 2000000000);
    }
}

} // namespace

namespace {

// The divisor as the closed-range rule defines it, step by step.
std::uint32_t DivisorByHalving(std::uint32_t n)
{
    if (0x80000000u % n == 0) {
        return 0x80000000u / n;
    }
    std::uint32_t f = 2;
    std::uint32_t r = 0x80000000u;
    while ((r / n) / 32 >= n) {
        r /= 2;
        f *= 2;
    }
    return f;
}

TEST(UniformInt, DivisorMatchesTheHalvingRuleForEverySmallRangeShape)
{
    EXPECT_EQ(uniform_detail::SmallRangeDivisor(6), 1u << 22);
    EXPECT_EQ(uniform_detail::SmallRangeDivisor(10), 1u << 21);
    EXPECT_EQ(uniform_detail::SmallRangeDivisor(2), 1u << 30);
    for (std::uint32_t n = 2; n < 70000; ++n) {
        ASSERT_EQ(uniform_detail::SmallRangeDivisor(n), DivisorByHalving(n)) << n;
    }
    for (std::uint32_t n = 70000; n <= 858993460u - 7919u; n += 7919u) {
        ASSERT_EQ(uniform_detail::SmallRangeDivisor(n), DivisorByHalving(n)) << n;
    }
}

} // namespace
