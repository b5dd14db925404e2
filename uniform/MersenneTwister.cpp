#include "uniform/MersenneTwister.h"

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

namespace {
// One step of the twist from the words k, k + 1 and k + 397 (mod 624). The
// matrix term is selected by a mask rather than a branch, so that the
// loops below vectorise.
inline std::uint32_t Twist(std::uint32_t current, std::uint32_t next, std::uint32_t middle)
{
    const std::uint32_t y = (current & kUpperMask) | (next & kLowerMask);
    return middle ^ (y >> 1) ^ ((0u - (y & 1u)) & kTwistMatrix);
}
} // namespace

void CMersenneTwister::Regenerate()
{
    // The standard twist in place, split where k + 1 and k + 397 wrap: the
    // first 227 words read words not yet rewritten in this pass, the next
    // 396 read words 0 to 395 as just rewritten, and the last one reads the
    // new word 0. Each loop has no dependence shorter than a vector.
    constexpr unsigned kFirstPart = kStateSize - kMiddle;
    std::uint32_t* const w = m_state.data();
    for (unsigned k = 0; k < kFirstPart; ++k) {
        w[k] = Twist(w[k], w[k + 1], w[k + kMiddle]);
    }
    for (unsigned k = kFirstPart; k < kStateSize - 1; ++k) {
        w[k] = Twist(w[k], w[k + 1], w[k - kFirstPart]);
    }
    w[kStateSize - 1] = Twist(w[kStateSize - 1], w[0], w[kMiddle - 1]);
    m_position = 0;
}
