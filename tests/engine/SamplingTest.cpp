#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

#include "engine/InternalGenerator.h"
#include "engine/Sampling.h"
#include "tests/engine/ChiSquare.h"
#include "tests/engine/ScriptedSources.h"

namespace {

const ElementList kFour = {10, 11, 12, 13};

TEST(SamplingChoices, EqualWeightsTakeTheFloorOfTheScaledUnit)
{
    ScriptedUnits units({0.74, 0.0, 0.999999});
    ElementList out = {99}; // appended to, never cleared
    SampleWithReplacement(kFour, 3, out, units);
    EXPECT_EQ(out, (ElementList{99, 12, 10, 13}));
}

TEST(SamplingChoices, WeightedTiesGoToTheEarlierElement)
{
    const ElementList elements = {0, 1, 2};
    const WeightList weights = {1, 1, 2};
    ScriptedUnits units({0.25, 0.5, 0.5000001, 0.0});
    ElementList out;
    SampleWeightedWithReplacement(elements, weights, 4, out, units);
    EXPECT_EQ(out, (ElementList{0, 1, 2, 0}));
}

TEST(SamplingChoices, ZeroWeightIsChosenOnlyAtExactlyZero)
{
    const ElementList elements = {0, 1};
    const WeightList weights = {0, 3};
    ScriptedUnits units({0.0, 0.0});
    ElementList withReplacement;
    SampleWeightedWithReplacement(elements, weights, 1, withReplacement, units);
    EXPECT_EQ(withReplacement, (ElementList{0}));
    ElementList unique;
    SampleWeightedUnique(elements, weights, 1, unique, units);
    EXPECT_EQ(unique, (ElementList{1}));
}

TEST(SamplingChoices, RoundingPastTheLastWeightChoosesTheLast)
{
    // The total is summed in list order; x can exceed the running remainder.
    const ElementList elements = {0, 1, 2};
    const WeightList weights = {0.1, 0.2, 0.3};
    ScriptedUnits units({1.0 - 1e-17});
    ElementList out;
    SampleWeightedWithReplacement(elements, weights, 1, out, units);
    EXPECT_EQ(out, (ElementList{2}));
}

TEST(SamplingChoices, WeightedUniqueStopsWhenThePositiveWeightsRunOut)
{
    const ElementList elements = {0, 1, 2, 3, 4};
    const WeightList weights = {1, 0, -2, std::nan(""), 3};
    ScriptedUnits units({0.9, 0.5, 0.5, 0.5, 0.5});
    ElementList out;
    SampleWeightedUnique(elements, weights, 5, out, units);
    // total 4: x = 3.6 -> 3.6 - 1 = 2.6 <= 3 picks element 4; then only 0 is left.
    EXPECT_EQ(out, (ElementList{4, 0}));
    EXPECT_EQ(units.Drawn(), 2u);
}

TEST(SamplingChoices, UniqueRemovesThePickedPosition)
{
    ScriptedUnits units({0.5, 0.5, 0.0, 0.0});
    ElementList out;
    SampleUnique(kFour, 4, out, units);
    // 0.5 * 4 -> position 2 (12); then {10, 11, 13}: 0.5 * 3 -> 1 (11); then 10, 13.
    EXPECT_EQ(out, (ElementList{12, 11, 10, 13}));
}

TEST(SamplingChoices, CountZeroDrawsNothing)
{
    ScriptedUnits units({});
    ElementList out;
    SampleWithReplacement(kFour, 0, out, units);
    SampleWeightedWithReplacement(kFour, {1, 1, 1, 1}, 0, out, units);
    SampleUnique(kFour, 0, out, units);
    SampleWeightedUnique(kFour, {1, 1, 1, 1}, 0, out, units);
    EXPECT_TRUE(out.empty());
}

TEST(SamplingChoices, ShuffleOfTwoExchangesPositionOneWithTheDrawnPosition)
{
    // Forward Fisher-Yates: j = 1 exchanges position 1 with itself, j = 0 swaps.
    std::uint32_t rows[2] = {7, 8};
    ScriptedWords keep({0x40000000u});
    ShuffleRows(rows, rows + 2, keep);
    EXPECT_EQ(rows[0], 7u);
    ScriptedWords swap({0x3FFFFFFFu});
    ShuffleRows(rows, rows + 2, swap);
    EXPECT_EQ(rows[0], 8u);
    EXPECT_EQ(rows[1], 7u);
    ScriptedWords none({});
    ShuffleRows(rows, rows + 1, none);
    ShuffleRows(rows, rows, none);
    EXPECT_EQ(none.Drawn(), 0u);
}

TEST(SamplingChoices, FillSequenceAppendsConsecutiveRows)
{
    ElementList out = {5};
    FillSequence(out, 3, 100);
    FillSequence(out, 0, 7);
    FillSequence(out, -4, 7);
    EXPECT_EQ(out, (ElementList{5, 100, 101, 102}));
}

// Statistical checks at fixed seeds: counts against the exact probabilities.
void ExpectFits(const std::vector<double>& observed, const std::vector<double>& probabilities, double draws)
{
    std::vector<double> expected;
    for (double p : probabilities) {
        expected.push_back(p * draws);
    }
    const double statistic = ChiSquareStatistic(observed, expected);
    EXPECT_LT(statistic, ChiSquareCritical(static_cast<double>(observed.size() - 1)));
}

TEST(SamplingStatistics, WithReplacementIsUniformAndWeightedFollowsTheWeights)
{
    CInternalGenerator generator(2024);
    const ElementList elements = {0, 1, 2, 3, 4};
    ElementList out;
    SampleWithReplacement(elements, 100000, out, generator.DistributionStream());
    std::vector<double> counts(5, 0.0);
    for (auto e : out) {
        counts[e] += 1;
    }
    ExpectFits(counts, std::vector<double>(5, 0.2), 100000);

    out.clear();
    SampleWeightedWithReplacement(elements, {1, 2, 3, 4, 0}, 100000, out, generator.DistributionStream());
    std::vector<double> weighted(5, 0.0);
    for (auto e : out) {
        weighted[e] += 1;
    }
    EXPECT_EQ(weighted[4], 0.0);
    weighted.pop_back();
    ExpectFits(weighted, {0.1, 0.2, 0.3, 0.4}, 100000);
}

TEST(SamplingStatistics, UniquePairsAreEquallyLikelyAndWeightedPairsFollowSuccessiveWeights)
{
    CInternalGenerator generator(77);
    std::map<std::pair<int, int>, double> equal;
    std::map<std::pair<int, int>, double> weighted;
    const ElementList three = {0, 1, 2};
    const WeightList weights = {1, 2, 3};
    constexpr int trials = 60000;
    for (int t = 0; t < trials; ++t) {
        ElementList out;
        SampleUnique(three, 2, out, generator.DistributionStream());
        equal[{static_cast<int>(out[0]), static_cast<int>(out[1])}] += 1;
        out.clear();
        SampleWeightedUnique(three, weights, 2, out, generator.DistributionStream());
        weighted[{static_cast<int>(out[0]), static_cast<int>(out[1])}] += 1;
    }
    std::vector<double> equalCounts, weightedCounts, equalP, weightedP;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            if (i == j) {
                continue;
            }
            equalCounts.push_back(equal[{i, j}]);
            equalP.push_back(1.0 / 6.0);
            weightedCounts.push_back(weighted[{i, j}]);
            weightedP.push_back(weights[i] / 6.0 * weights[j] / (6.0 - weights[i]));
        }
    }
    ExpectFits(equalCounts, equalP, trials);
    ExpectFits(weightedCounts, weightedP, trials);
}

TEST(SamplingStatistics, ShuffleGivesEveryPermutationOfFourEqually)
{
    const CInternalGenerator saved = g_generator;
    g_generator = CInternalGenerator(4242);
    std::map<std::vector<std::uint32_t>, double> seen;
    constexpr int trials = 48000;
    for (int t = 0; t < trials; ++t) {
        std::vector<std::uint32_t> rows = {0, 1, 2, 3};
        ShuffleRows(rows.data(), rows.data() + rows.size());
        seen[rows] += 1;
    }
    g_generator = saved;
    ASSERT_EQ(seen.size(), 24u);
    std::vector<double> counts;
    for (const auto& entry : seen) {
        counts.push_back(entry.second);
    }
    ExpectFits(counts, std::vector<double>(24, 1.0 / 24.0), trials);
}

TEST(SamplingStatistics, UniqueWithCountNIsAPermutation)
{
    CInternalGenerator generator(5);
    ElementList elements(50);
    std::iota(elements.begin(), elements.end(), 1000u);
    ElementList out;
    SampleUnique(elements, 50, out, generator.DistributionStream());
    std::sort(out.begin(), out.end());
    EXPECT_EQ(out, elements);
}

} // namespace
