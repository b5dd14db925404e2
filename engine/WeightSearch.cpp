#include "engine/WeightSearch.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
// A bound on the rounding of the scan and of the running sums, relative to
// |x| plus the sum: an addition rounds the scan by at most 2^-53 |x| and the
// sum by at most 2^-53 of the sum, so 2^-53 per addition covers both. Twice
// that, so that computing the bound and comparing with it cannot undo it.
constexpr double kRoundingPerAddition = 0x1p-52;
} // namespace

CWeightSearch::CWeightSearch(const std::vector<double>& weights, std::size_t count)
    : m_weights(weights), m_count(count), m_sums(count > 1 ? count - 1 : 0)
{
    // The running sums and the total are one sum in list order.
    double sum = 0.0;
    std::size_t k = 0;
    for (; k < m_sums.size(); ++k) {
        sum += weights[k];
        m_sums[k] = sum;
    }
    for (; k < weights.size(); ++k) {
        sum += weights[k];
    }
    m_total = sum;
    // The bound holds for running sums that only grow and never overflow; a
    // finite total means no partial sum overflowed.
    m_searchable = count > 1 && count - 1 <= UINT32_MAX && std::isfinite(m_total) &&
                   std::all_of(weights.begin(), weights.begin() + static_cast<std::ptrdiff_t>(count),
                               [](double w) { return w >= 0.0; });
    if (!m_searchable) {
        return;
    }
    const std::size_t buckets = m_sums.size();
    m_lastBucket = static_cast<double>(buckets);
    if (m_sums.back() > 0.0) {
        m_scale = m_lastBucket / m_sums.back();
    }
    // Bucket is monotone over the sums, so the first sum in bucket b or a
    // later one is the count of sums in the buckets before b: counted, then
    // summed, without a branch on the data.
    m_firstSum.assign(buckets + 2, 0);
    for (const double sum : m_sums) {
        ++m_firstSum[Bucket(sum) + 1];
    }
    std::partial_sum(m_firstSum.begin(), m_firstSum.end(), m_firstSum.begin());
}

inline bool CWeightSearch::Decided(double x, std::size_t candidate) const
{
    // Reaching position c the scan has made c roundings of values at most
    // |x|; the sum through c has made c + 1 roundings of sums at most the
    // c-th. The scan stops at c when x is clearly at most the sum through c
    // and clearly above the sum before it.
    const std::size_t top = std::min(candidate, m_sums.size() - 1);
    const auto additions = static_cast<double>(static_cast<std::int64_t>(candidate + 1)); // below 2^32
    const double margin = additions * kRoundingPerAddition * (std::fabs(x) + m_sums[top]);
    const bool stopsHere = candidate == m_sums.size() || x <= m_sums[candidate] - margin;
    const bool passesBefore = candidate == 0 || x > m_sums[candidate - 1] + margin;
    return stopsHere && passesBefore;
}

std::size_t CWeightSearch::Position(const Target& target) const
{
    const double x = target.x;
    const auto weightOf = [this](std::size_t k) { return m_weights[k]; };
    if (!m_searchable) {
        return WeightedPosition(x, m_count, weightOf);
    }
    // Bucket is monotone, so the first sum reaching x lies between the first
    // sum in x's bucket and the first sum in a later bucket. There is a
    // bucket per sum: mostly one sum or none lies between, and one step
    // without a branch decides (the draws are random: a branch would guess
    // wrong often); more, after many small or zero weights, are searched by
    // halves.
    std::size_t candidate = m_firstSum[target.bucket];
    const std::size_t last = m_firstSum[target.bucket + 1];
    if (last - candidate > 1) {
        candidate = static_cast<std::size_t>(std::lower_bound(m_sums.begin() + static_cast<std::ptrdiff_t>(candidate),
                                                              m_sums.begin() + static_cast<std::ptrdiff_t>(last), x) -
                                             m_sums.begin());
    } else {
        const std::size_t at = std::min(candidate, m_sums.size() - 1);
        candidate += candidate < last && m_sums[at] < x ? 1 : 0;
    }
    return Decided(x, candidate) ? candidate : WeightedPosition(x, m_count, weightOf);
}

