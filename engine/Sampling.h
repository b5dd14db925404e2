#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/RemainingPositions.h"
#include "engine/WeightSearch.h"
#include "uniform/UniformMapping.h"

// Sampling of row numbers, with equal or given weights, with or without
// replacement, and the row shuffle. The routines never look at the data.
// Every draw takes one u = NextUnit() of the stream. Templates over the
// stream so that tests can feed constructed values.

using ElementList = std::vector<std::uint32_t>;
using WeightList = std::vector<double>;

namespace sampling_detail {

template <class UnitSource>
std::size_t EqualWeightPosition(UnitSource& stream, std::size_t length)
{
    // Through signed integers, whose conversions are single instructions:
    // lists are far shorter than 2^53. m * u is never negative, so the
    // conversion's truncation is its floor.
    const auto m = static_cast<std::int64_t>(length);
    const auto k = static_cast<std::int64_t>(static_cast<double>(m) * stream.NextUnit());
    return static_cast<std::size_t>(k < m ? k : m - 1); // floor(m * u) < m for u < 1; guard rounding
}

// Replaces the positions in output from `first` on by their elements. Done
// apart from the draws, the reads of a large list wait on memory side by
// side rather than one a draw.
inline void PositionsToElements(const ElementList& elements, ElementList& output, std::size_t first)
{
    for (auto it = output.begin() + static_cast<std::ptrdiff_t>(first); it != output.end(); ++it) {
        *it = elements[*it];
    }
}

} // namespace sampling_detail

template <class UnitSource>
void SampleWithReplacement(const ElementList& elements, std::uint32_t count, ElementList& output, UnitSource& stream)
{
    if (elements.empty()) {
        return; // nothing to choose from; callers are meant to refuse this earlier
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        output.push_back(elements[sampling_detail::EqualWeightPosition(stream, elements.size())]);
    }
}

template <class UnitSource>
void SampleWeightedWithReplacement(const ElementList& elements, const WeightList& weights, std::uint32_t count,
                                   ElementList& output, UnitSource& stream)
{
    const std::size_t n = std::min(elements.size(), weights.size());
    if (n == 0) {
        return; // nothing to choose from; callers are meant to refuse this earlier
    }
    const CWeightSearch search(weights, n);
    const double total = search.Total();
    const std::size_t first = output.size();
    output.reserve(first + count);
    // The draws run ahead of their choices in a ring: a draw's guide entry
    // is fetched 2 * kAhead choices before it is needed and its sums kAhead
    // before, so that memory is waited on side by side.
    constexpr std::uint32_t kAhead = 8;
    constexpr std::uint32_t kRing = 2 * kAhead;
    CWeightSearch::Target ring[kRing];
    const auto draw = [&](std::uint32_t i) {
        ring[i % kRing] = search.Aim(stream.NextUnit() * total);
        search.PrefetchGuide(ring[i % kRing]);
    };
    for (std::uint32_t i = 0; i < count && i < kRing; ++i) {
        draw(i);
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        if (count - i > kAhead) {
            search.PrefetchSums(ring[(i + kAhead) % kRing]);
        }
        output.push_back(static_cast<std::uint32_t>(search.Position(ring[i % kRing])));
        if (count - i > kRing) {
            draw(i + kRing);
        }
    }
    sampling_detail::PositionsToElements(elements, output, first);
}

template <class UnitSource>
void SampleUnique(const ElementList& elements, std::uint32_t count, ElementList& output, UnitSource& stream)
{
    CRemainingPositions positions(elements.size());
    const std::size_t first = output.size();
    const std::size_t draws = std::min<std::size_t>(count, elements.size());
    output.resize(first + draws);
    // The ranks are drawn a block ahead: they depend only on how many
    // positions remain, not on which.
    constexpr std::size_t kBlock = 64;
    std::int32_t ranks[kBlock];
    for (std::size_t done = 0; done < draws; done += kBlock) {
        const std::size_t size = std::min(kBlock, draws - done);
        for (std::size_t i = 0; i < size; ++i) {
            ranks[i] = static_cast<std::int32_t>(
                sampling_detail::EqualWeightPosition(stream, positions.Remaining() - i));
        }
        positions.TakeInTurn(ranks, size, output.data() + first + done);
    }
    sampling_detail::PositionsToElements(elements, output, first);
}

template <class UnitSource>
void SampleWeightedUnique(const ElementList& elements, const WeightList& weights, std::uint32_t count,
                          ElementList& output, UnitSource& stream)
{
    struct Candidate {
        std::size_t position;
        double weight;
    };
    std::vector<Candidate> candidates;
    double total = 0.0;
    for (std::size_t i = 0; i < weights.size() && i < elements.size(); ++i) {
        if (weights[i] > 0.0) { // leaves out zero, negative and NaN weights
            candidates.push_back({i, weights[i]});
            total += weights[i];
        }
    }
    const auto weightOf = [&candidates](std::size_t k) { return candidates[k].weight; };
    for (std::uint32_t i = 0; i < count && !candidates.empty(); ++i) {
        const double x = stream.NextUnit() * total;
        const std::size_t k = WeightedPosition(x, candidates.size(), weightOf);
        output.push_back(elements[candidates[k].position]);
        total -= candidates[k].weight;
        candidates.erase(candidates.begin() + static_cast<std::ptrdiff_t>(k));
    }
}

// The rule QSAMPLE and the Random Sample command share: weights count as
// given when the list holds at least one weight (an empty list is none).
enum class SamplingRoutine { WithReplacement, WeightedWithReplacement, Unique, WeightedUnique };

inline SamplingRoutine ChooseSamplingRoutine(bool unique, const WeightList& weights)
{
    const bool weighted = !weights.empty();
    if (unique) {
        return weighted ? SamplingRoutine::WeightedUnique : SamplingRoutine::Unique;
    }
    return weighted ? SamplingRoutine::WeightedWithReplacement : SamplingRoutine::WithReplacement;
}

template <class UnitSource>
void SampleByRule(const ElementList& elements, const WeightList& weights, bool unique, std::uint32_t count,
                  ElementList& output, UnitSource& stream)
{
    switch (ChooseSamplingRoutine(unique, weights)) {
    case SamplingRoutine::WithReplacement:
        SampleWithReplacement(elements, count, output, stream);
        break;
    case SamplingRoutine::WeightedWithReplacement:
        SampleWeightedWithReplacement(elements, weights, count, output, stream);
        break;
    case SamplingRoutine::Unique:
        SampleUnique(elements, count, output, stream);
        break;
    case SamplingRoutine::WeightedUnique:
        SampleWeightedUnique(elements, weights, count, output, stream);
        break;
    }
}

// Forward Fisher-Yates on a word source (the main stream in the product).
template <class WordSource>
void ShuffleRows(std::uint32_t* first, std::uint32_t* last, WordSource& engine)
{
    const std::ptrdiff_t n = last - first;
    for (std::ptrdiff_t i = 1; i < n; ++i) {
        const auto j = UniformInt(engine, 0, static_cast<std::int32_t>(i));
        std::swap(first[i], first[j]);
    }
}

// The same on the main stream of the process-wide engine.
void ShuffleRows(std::uint32_t* first, std::uint32_t* last);

// Appends start, start + 1, ..., start + count - 1.
void FillSequence(ElementList& output, std::int64_t count, std::uint32_t start);
