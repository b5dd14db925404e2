// The fast sampling routines against the literal ones they replace: the
// same rows for every stream, on many random cases.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "engine/InternalGenerator.h"
#include "engine/Sampling.h"
#include "tests/engine/LiteralSampling.h"

namespace {

ElementList Rows(std::size_t n)
{
    ElementList rows;
    FillSequence(rows, static_cast<std::int64_t>(n), 1000);
    return rows;
}

// Sizes 0 and 1 often, small and a few large ones.
std::size_t RandomSize(std::mt19937_64& random)
{
    switch (random() % 6) {
    case 0:
        return random() % 2;
    case 1:
        return 2 + random() % 3;
    case 5:
        return 500 + random() % 3000;
    default:
        return random() % 200;
    }
}

// Weights of one kind per list, so ties, zeros and extreme magnitudes meet.
double RandomWeight(std::mt19937_64& random, unsigned kind)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    switch (kind) {
    case 0: // ties and zeros
        return static_cast<double>(random() % 3);
    case 1: // decimals as typed in a sheet
        return static_cast<double>(random() % 1000) / 10.0;
    case 2: // mostly zero
        return random() % 8 == 0 ? unit(random) : 0.0;
    case 3: // huge and tiny together, subnormals included
        return std::ldexp(unit(random), static_cast<int>(random() % 2100) - 1074);
    case 4: // huge only, sums near overflow
        return std::ldexp(1.0 + unit(random), 1000 + static_cast<int>(random() % 10));
    case 5: // a few refused values, left to the scan
        return random() % 16 == 0 ? (random() % 2 ? -1.5 : std::nan("")) : unit(random);
    default:
        return unit(random);
    }
}

WeightList RandomWeights(std::mt19937_64& random, std::size_t n)
{
    const unsigned kind = static_cast<unsigned>(random() % 7);
    WeightList weights(n);
    for (double& w : weights) {
        w = RandomWeight(random, kind);
    }
    return weights;
}

TEST(SamplingExactness, UniqueGivesTheLiteralRowsForRandomSizesCountsAndSeeds)
{
    std::mt19937_64 random(20261207);
    for (int trial = 0; trial < 400; ++trial) {
        const ElementList elements = Rows(RandomSize(random));
        const auto count = static_cast<std::uint32_t>(random() % (elements.size() + 3));
        const auto seed = static_cast<std::uint32_t>(random());
        CInternalGenerator fast(seed);
        CInternalGenerator literal(seed);
        ElementList fastRows;
        ElementList literalRows;
        SampleUnique(elements, count, fastRows, fast.DistributionStream());
        LiteralUnique(elements, count, literalRows, literal.DistributionStream());
        ASSERT_EQ(fastRows, literalRows) << "size " << elements.size() << " count " << count << " seed " << seed;
        ASSERT_EQ(fast.DistributionStream().NextUnit(), literal.DistributionStream().NextUnit());
    }
}

TEST(SamplingExactness, WeightedGivesTheLiteralRowsForRandomWeightsCountsAndSeeds)
{
    std::mt19937_64 random(7);
    for (int trial = 0; trial < 600; ++trial) {
        const ElementList elements = Rows(RandomSize(random));
        // The weight list may be longer or shorter than the rows.
        const std::size_t weightCount = random() % 4 == 0 ? RandomSize(random) : elements.size();
        const WeightList weights = RandomWeights(random, weightCount);
        const auto count = static_cast<std::uint32_t>(random() % 700);
        const auto seed = static_cast<std::uint32_t>(random());
        CInternalGenerator fast(seed);
        CInternalGenerator literal(seed);
        ElementList fastRows;
        ElementList literalRows;
        SampleWeightedWithReplacement(elements, weights, count, fastRows, fast.DistributionStream());
        LiteralWeighted(elements, weights, count, literalRows, literal.DistributionStream());
        ASSERT_EQ(fastRows, literalRows) << "trial " << trial << " rows " << elements.size() << " weights "
                                         << weights.size() << " seed " << seed;
    }
}

// The x where the scan's choice moves past position k: the least x, among
// the doubles from 0 to total, that the scan places after k (found by
// bisection over the ordered bit patterns of non-negative doubles).
double ScanThreshold(const WeightList& weights, double total, std::size_t k)
{
    const auto scan = [&](double x) {
        return WeightedPosition(x, weights.size(), [&](std::size_t i) { return weights[i]; });
    };
    const auto bits = [](double x) {
        std::uint64_t b;
        std::memcpy(&b, &x, sizeof b);
        return b;
    };
    const auto value = [](std::uint64_t b) {
        double x;
        std::memcpy(&x, &b, sizeof x);
        return x;
    };
    std::uint64_t low = bits(0.0);
    std::uint64_t high = bits(total);
    if (scan(total) <= k) {
        return total;
    }
    while (low < high) {
        const std::uint64_t middle = low + (high - low) / 2;
        if (scan(value(middle)) > k) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return value(low);
}

TEST(SamplingExactness, WeightSearchAgreesWithTheScanAtAndBesideEveryThreshold)
{
    std::mt19937_64 random(99);
    const double inf = std::numeric_limits<double>::infinity();
    for (int trial = 0; trial < 300; ++trial) {
        const std::size_t n = 1 + random() % 120;
        WeightList weights = RandomWeights(random, n);
        const CWeightSearch search(weights, n);
        const double total = search.Total();
        const auto expectSame = [&](double x) {
            const std::size_t scanned = WeightedPosition(x, n, [&](std::size_t i) { return weights[i]; });
            ASSERT_EQ(search.Position(search.Aim(x)), scanned) << "trial " << trial << " x " << x;
        };
        expectSame(0.0);
        expectSame(-0.0);
        expectSame(-1.0);
        expectSame(total);
        if (!(total > 0.0) || !std::isfinite(total)) {
            continue;
        }
        for (std::size_t k = 0; k + 1 < n; ++k) {
            double x = ScanThreshold(weights, total, k);
            for (int step = 0; step < 3; ++step) {
                x = std::nextafter(x, -inf);
            }
            for (int step = 0; step < 6; ++step) {
                expectSame(x);
                x = std::nextafter(x, inf);
            }
        }
    }
}

} // namespace
