#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "engine/InternalGenerator.h"
#include "engine/Sampling.h"
#include "tests/uniform/ScriptedSources.h"
#include "tests/support/GoodnessOfFit.h"

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

// Statistical checks at fixed seeds: outcomes, numbered 0 to k - 1, against
// their exact probabilities.
void ExpectFits(const std::vector<double>& outcomes, const std::vector<double>& probabilities)
{
    const FitResult fit = ChiSquare(
        outcomes, [&](int k) { return probabilities[static_cast<std::size_t>(k)]; }, 0,
        static_cast<int>(probabilities.size()) - 1);
    EXPECT_TRUE(fit.passes()) << fit.statistic << " > " << fit.critical;
}

std::vector<double> AsOutcomes(const ElementList& elements)
{
    return std::vector<double>(elements.begin(), elements.end());
}

TEST(SamplingStatistics, WithReplacementIsUniformAndWeightedFollowsTheWeights)
{
    CInternalGenerator generator(2024);
    const ElementList elements = {0, 1, 2, 3, 4};
    ElementList out;
    SampleWithReplacement(elements, 100000, out, generator.DistributionStream());
    ExpectFits(AsOutcomes(out), std::vector<double>(5, 0.2));

    out.clear();
    SampleWeightedWithReplacement(elements, {1, 2, 3, 4, 0}, 100000, out, generator.DistributionStream());
    EXPECT_EQ(std::count(out.begin(), out.end(), 4u), 0);
    ExpectFits(AsOutcomes(out), {0.1, 0.2, 0.3, 0.4, 0.0});
}

TEST(SamplingStatistics, UniquePairsAreEquallyLikelyAndWeightedPairsFollowSuccessiveWeights)
{
    CInternalGenerator generator(77);
    const ElementList three = {0, 1, 2};
    const WeightList weights = {1, 2, 3};
    std::vector<double> equal;
    std::vector<double> weighted;
    const auto pairNumber = [](const ElementList& pair) { return static_cast<double>(pair[0] * 3 + pair[1]); };
    for (int t = 0; t < 60000; ++t) {
        ElementList out;
        SampleUnique(three, 2, out, generator.DistributionStream());
        equal.push_back(pairNumber(out));
        out.clear();
        SampleWeightedUnique(three, weights, 2, out, generator.DistributionStream());
        weighted.push_back(pairNumber(out));
    }
    std::vector<double> equalP(9, 0.0);
    std::vector<double> weightedP(9, 0.0);
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            if (i != j) {
                equalP[i * 3 + j] = 1.0 / 6.0;
                weightedP[i * 3 + j] = weights[i] / 6.0 * weights[j] / (6.0 - weights[i]);
            }
        }
    }
    ExpectFits(equal, equalP);
    ExpectFits(weighted, weightedP);
}

TEST(SamplingStatistics, ShuffleGivesEveryPermutationOfFourEqually)
{
    std::vector<std::vector<std::uint32_t>> permutations;
    std::vector<std::uint32_t> order = {0, 1, 2, 3};
    do {
        permutations.push_back(order);
    } while (std::next_permutation(order.begin(), order.end()));

    const CInternalGenerator saved = g_generator;
    g_generator = CInternalGenerator(4242);
    std::vector<double> outcomes;
    for (int t = 0; t < 48000; ++t) {
        std::vector<std::uint32_t> rows = {0, 1, 2, 3};
        ShuffleRows(rows.data(), rows.data() + rows.size());
        const auto rank = std::lower_bound(permutations.begin(), permutations.end(), rows) - permutations.begin();
        outcomes.push_back(static_cast<double>(rank));
    }
    g_generator = saved;
    ExpectFits(outcomes, std::vector<double>(24, 1.0 / 24.0));
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
