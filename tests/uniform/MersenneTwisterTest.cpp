#include <gtest/gtest.h>

#include "uniform/MersenneTwister.h"
#include "uniform/UniformMapping.h"
#include "uniform/UnitStream.h"
#include "tests/uniform/ReferenceData.h"

namespace {

const EngineReference& Reference()
{
    static const EngineReference data = LoadEngineReference();
    return data;
}

TEST(MersenneTwister, WordsMatchTheReferenceForEverySeed)
{
    ASSERT_GE(Reference().words.size(), 9u);
    for (const WordRow& row : Reference().words) {
        CMersenneTwister engine(row.seed);
        for (std::size_t i = 0; i < row.first.size(); ++i) {
            ASSERT_EQ(engine.NextWord(), row.first[i]) << "seed " << row.seed << " word " << i + 1;
        }
        std::uint32_t w = 0;
        for (int i = 13; i <= 1000; ++i) {
            w = engine.NextWord();
        }
        EXPECT_EQ(w, row.word1000) << "seed " << row.seed;
        for (int i = 1001; i <= 1300; ++i) {
            w = engine.NextWord();
        }
        EXPECT_EQ(w, row.word1300) << "seed " << row.seed;
    }
}

TEST(MersenneTwister, ReseedingRestartsTheSequence)
{
    CMersenneTwister engine(77);
    const std::uint32_t first = engine.NextWord();
    for (int i = 0; i < 700; ++i) {
        engine.NextWord();
    }
    engine.SeedFromMultiplier(77);
    EXPECT_EQ(engine.NextWord(), first);
}

TEST(UnitMappings, FirstDoubleOfSeedOneIsTheFirstWordScaled)
{
    CMersenneTwister engine(1);
    const double u = UniformUnit(engine);
    EXPECT_EQ(u, 4182529786.0 / 4294967296.0);
    EXPECT_DOUBLE_EQ(u, 0.9738211021758616);
}

TEST(UnitMappings, UnitStreamAndUniformUnitAgreeOnTheSameWords)
{
    CMersenneTwister engine(31337);
    CUnitStream stream(engine);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(stream.NextUnit(), UniformUnit(engine));
    }
}

struct FixedWord {
    std::uint32_t word;
    std::uint32_t NextWord() const { return word; }
};

TEST(UnitMappings, ZeroIsReachableAndOneIsNot)
{
    FixedWord zero{0u};
    FixedWord top{0xFFFFFFFFu};
    EXPECT_EQ(UniformUnit(zero), 0.0);
    EXPECT_LT(UniformUnit(top), 1.0);
    EXPECT_EQ(UniformUnit(top), 1.0 - 1.0 / 4294967296.0);
}

} // namespace
