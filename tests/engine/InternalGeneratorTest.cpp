#include <gtest/gtest.h>

#include "engine/InternalGenerator.h"
#include "uniform/UniformMapping.h"

namespace {

TEST(InternalGenerator, BothStreamsStartAtTheSameDoubleThenDriftApart)
{
    CInternalGenerator generator(1);
    EXPECT_EQ(generator.Next(), generator.DistributionStream().NextUnit());
    EXPECT_DOUBLE_EQ(CInternalGenerator(1).Next(), 0.9738211021758616);

    // Advancing one stream leaves the other where it was.
    CInternalGenerator a(9);
    CInternalGenerator b(9);
    for (int i = 0; i < 100; ++i) {
        a.DistributionStream().NextUnit();
    }
    for (int i = 0; i < 50; ++i) {
        ASSERT_EQ(a.Next(), b.Next());
    }
    for (int i = 0; i < 30; ++i) {
        a.Next();
    }
    CInternalGenerator c(9);
    for (int i = 0; i < 100; ++i) {
        c.DistributionStream().NextUnit();
    }
    EXPECT_EQ(a.DistributionStream().NextUnit(), c.DistributionStream().NextUnit());
}

TEST(InternalGenerator, NextBetweenEqualBoundsReturnsThemWithoutDrawing)
{
    CInternalGenerator generator(3);
    CInternalGenerator untouched(3);
    EXPECT_EQ(generator.NextBetween(5, 5), 5);
    EXPECT_EQ(generator.Next(), untouched.Next());
}

TEST(InternalGenerator, NextBetweenIsUniformIntOnTheMainStream)
{
    CInternalGenerator generator(1);
    const int expected[] = {2, 4, 3, 4, 6, 4, 2, 1, 5, 5};
    for (int value : expected) {
        EXPECT_EQ(generator.NextBetween(1, 6), value);
    }
}

TEST(InternalGenerator, AssigningAFreshGeneratorRestartsBothStreams)
{
    const CInternalGenerator saved = g_generator;
    g_generator = CInternalGenerator(1);
    g_generator.Next();
    g_generator.DistributionStream().NextUnit();
    g_generator = CInternalGenerator(1);
    EXPECT_DOUBLE_EQ(g_generator.Next(), 0.9738211021758616);
    EXPECT_DOUBLE_EQ(g_generator.DistributionStream().NextUnit(), 0.9738211021758616);
    g_generator = saved;
}

TEST(InternalGenerator, SeedZeroGivesTheStandInSequence)
{
    CInternalGenerator zero(0);
    CInternalGenerator standIn(CMersenneTwister::kZeroSeedReplacement);
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(zero.Next(), standIn.Next());
    }
    EXPECT_NE(CInternalGenerator(0).Next(), 0.0);
}

} // namespace
