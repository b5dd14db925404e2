#include "worksheet/SeedArgument.h"

#include <cmath>

#include "worksheet/WorksheetFrame.h"

namespace {
constexpr double kTwoTo32 = 4294967296.0;
constexpr std::uint32_t kLargestSigned = 0x7FFFFFFFu;
} // namespace

std::uint32_t SeedFromNumber(double value)
{
    if (!std::isfinite(value)) {
        return 0;
    }
    // fmod is exact, and so is adding 2^32 to a negative remainder, so the
    // low 32 bits of any finite seed come out without an overflowing cast.
    double low = std::fmod(std::trunc(value), kTwoTo32);
    if (low < 0.0) {
        low += kTwoTo32;
    }
    const auto bits = static_cast<std::uint32_t>(low);
    return bits <= kLargestSigned ? bits : 0; // above: negative as signed
}

SeededSource::SeededSource(const XlfOper& seed)
{
    if (IsMissing(seed)) {
        return;
    }
    const std::uint32_t value = SeedFromNumber(seed.ReadDouble());
    if (value == 0) {
        m_refused = true;
        return;
    }
    m_private = std::make_unique<CInternalGenerator>(value);
}
