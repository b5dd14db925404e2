#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/Sampling.h"

// The sampling routines as first written, O(count x rows): they define the
// rows the fast routines must give, for the tests and the benchmarks.

// The literal unique sample: the k-th remaining position is erased.
template <class UnitSource>
void LiteralUnique(const ElementList& elements, std::uint32_t count, ElementList& output, UnitSource& stream)
{
    std::vector<std::size_t> positions(elements.size());
    for (std::size_t i = 0; i < positions.size(); ++i) {
        positions[i] = i;
    }
    for (std::uint32_t i = 0; i < count && !positions.empty(); ++i) {
        const std::size_t k = sampling_detail::EqualWeightPosition(stream, positions.size());
        output.push_back(elements[positions[k]]);
        positions.erase(positions.begin() + static_cast<std::ptrdiff_t>(k));
    }
}

// The literal weighted sample with replacement: the scan for every draw.
template <class UnitSource>
void LiteralWeighted(const ElementList& elements, const WeightList& weights, std::uint32_t count,
                     ElementList& output, UnitSource& stream)
{
    const std::size_t n = std::min(elements.size(), weights.size());
    if (n == 0) {
        return;
    }
    double total = 0.0;
    for (double w : weights) {
        total += w;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        const double x = stream.NextUnit() * total;
        output.push_back(elements[WeightedPosition(x, n, [&](std::size_t k) { return weights[k]; })]);
    }
}
