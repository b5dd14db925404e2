#include "engine/MersenneTwister.h"

namespace {
constexpr unsigned kMiddle = 397;
constexpr std::uint32_t kUpperMask = 0x80000000u;
constexpr std::uint32_t kLowerMask = 0x7FFFFFFFu;
constexpr std::uint32_t kTwistMatrix = 0x9908B0DFu;
constexpr std::uint32_t kSeedMultiplier = 69069u;
} // namespace

void CMersenneTwister::SeedFromMultiplier(std::uint32_t s)
{
    std::uint32_t v = (s == 0) ? kZeroSeedReplacement : s;
    for (auto& word : m_state) {
        v *= kSeedMultiplier; // unsigned arithmetic wraps mod 2^32
        word = v;
    }
    m_position = kStateSize;
}

void CMersenneTwister::Regenerate()
{
    // The standard twist, in place: words already rewritten in this pass
    // are used as they now stand (k + 1 and k + 397 wrap around).
    for (unsigned k = 0; k < kStateSize; ++k) {
        const std::uint32_t y = (m_state[k] & kUpperMask) | (m_state[(k + 1) % kStateSize] & kLowerMask);
        m_state[k] = m_state[(k + kMiddle) % kStateSize] ^ (y >> 1) ^ ((y & 1u) ? kTwistMatrix : 0u);
    }
    m_position = 0;
}
