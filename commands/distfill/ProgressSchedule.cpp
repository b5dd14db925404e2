#include "commands/distfill/ProgressSchedule.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::int32_t kUnknownTotalRange = 100;
constexpr std::uint64_t kMoreThanOneSecond = 1; // whole seconds that must be exceeded
constexpr std::uint64_t kShareDivisor = 2;      // total / done above this: under a third done

} // namespace

bool ProgressWindowDue(std::uint64_t done, std::uint64_t total, std::uint64_t elapsedMs)
{
    if (done == 0 || done % kProgressStep != 0)
        return false;
    return total / done > kShareDivisor && elapsedMs / 1000 > kMoreThanOneSecond;
}

std::int32_t BarMaximum(std::uint64_t total)
{
    if (total == 0)
        return kUnknownTotalRange;
    return static_cast<std::int32_t>(std::min<std::uint64_t>(total, std::numeric_limits<std::int32_t>::max()));
}

std::int32_t BarPosition(std::uint64_t done, std::uint64_t total)
{
    if (total == 0)
        return static_cast<std::int32_t>(done % kUnknownTotalRange);
    const std::uint64_t clamped = std::min(done, total);
    const auto maximum = static_cast<std::uint64_t>(BarMaximum(total));
    if (total == maximum)
        return static_cast<std::int32_t>(clamped);
    // Totals beyond the bar's range: scale, in floating point to avoid the
    // product overflowing.
    return static_cast<std::int32_t>(static_cast<double>(clamped) / static_cast<double>(total) * maximum);
}

bool CRedrawLimit::Due(std::uint32_t tick)
{
    if (m_last != 0 && tick - m_last < kRedrawIntervalMs)
        return false;
    m_last = tick;
    return true;
}
