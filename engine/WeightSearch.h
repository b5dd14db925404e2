#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

// The weighted choice every weighted sample makes: the first position whose
// weight x reaches after subtracting, one by one in list order, the weights
// before it; ties go to the earlier position, and rounding that leaves x
// above every weight chooses the last. O(count) a choice.
template <class WeightOf>
std::size_t WeightedPosition(double x, std::size_t count, WeightOf weightOf)
{
    for (std::size_t k = 0; k + 1 < count; ++k) {
        const double w = weightOf(k);
        if (x <= w) {
            return k;
        }
        x -= w;
    }
    return count - 1;
}

// The same choice over fixed weights, giving exactly the scan's position in
// O(1) expected time. In exact arithmetic the scan stops at the first
// position whose running sum reaches x. A guide table (Chen and Asau's
// cutpoint method) narrows the search over the running sums; the rounding of
// the scan and of the sums is bounded, and an x too close to a running sum
// for that bound to decide (about n^2 2^-52 of the draws for n similar
// weights) is left to the scan itself.
class CWeightSearch {
public:
    // The first `count` weights are the candidates, but every weight counts
    // in the total. When the total is not finite, or a candidate weight is
    // negative or NaN, every choice is the scan's.
    CWeightSearch(const std::vector<double>& weights, std::size_t count);

    // The weights summed in list order: the scale of x.
    double Total() const { return m_total; }

    // A draw's x with its bucket, found once for the fetches and the search.
    struct Target {
        double x;
        std::size_t bucket;
    };
    Target Aim(double x) const { return {x, m_searchable ? Bucket(x) : 0}; }

    std::size_t Position(const Target& target) const;
    // Ask the cache for what Position will read: first the target's guide
    // entry, then, once that has come, the sums it points at. Draws call
    // them well ahead of their search, so that memory is waited on side by
    // side rather than once a draw.
    void PrefetchGuide(const Target& target) const
    {
        if (m_searchable) {
            __builtin_prefetch(&m_firstSum[target.bucket]);
        }
    }
    void PrefetchSums(const Target& target) const
    {
        if (m_searchable) {
            __builtin_prefetch(&m_sums[std::min<std::size_t>(m_firstSum[target.bucket], m_sums.size() - 1)]);
        }
    }

private:
    std::size_t Bucket(double x) const
    {
        const double scaled = x * m_scale;
        if (!(scaled > 0.0)) {
            return 0;
        }
        // Through a signed integer, one instruction: there are below 2^32 buckets.
        return scaled >= m_lastBucket ? m_sums.size() : static_cast<std::size_t>(static_cast<std::int64_t>(scaled));
    }
    bool Decided(double x, std::size_t candidate) const;

    const std::vector<double>& m_weights;
    std::size_t m_count;
    double m_total = 0.0;
    bool m_searchable = true;
    std::vector<double> m_sums;           // running sums through positions 0 .. count-2
    double m_scale = 0.0;                 // running sum to bucket
    double m_lastBucket = 0.0;            // the bucket past every sum, as a double
    std::vector<std::uint32_t> m_firstSum; // per bucket: the first sum in it or a later one
};
