#pragma once
#include <cstdint>

// The two main-stream mappings. Both are fixed to the bit: seeded sequences
// are part of what users rely on, so no library distribution class is used.
// Templates over the word source so tests can feed constructed words.

constexpr double kWordScale = 1.0 / 4294967296.0;

template <class WordSource>
double UniformUnit(WordSource& engine)
{
    constexpr double lower = 0.0;
    constexpr double upper = 1.0;
    return lower + (upper - lower) * (static_cast<double>(engine.NextWord()) * kWordScale);
}

namespace uniform_detail {

constexpr std::uint32_t kRejectionThreshold = 858993460u; // first range for which 0xFFFFFFFF / range <= 4
constexpr std::uint32_t kHalfWordRange = 0x80000000u;     // 2^31

// The divisor that keeps the high bits of a word for n outcomes: 2^31 / n
// when n divides 2^31; otherwise start from f = 2, r = 2^31 and halve r
// (doubling f) while floor(floor(r / n) / 32) >= n. That loop stops at the
// first power of two r below 32 n^2, so f is found from the bit length.
inline std::uint32_t SmallRangeDivisor(std::uint32_t n)
{
    if (kHalfWordRange % n == 0) {
        return kHalfWordRange / n;
    }
    constexpr std::uint32_t kLargestHalvingN = 8192; // 32 n^2 > 2^31 beyond it: no halving
    if (n > kLargestHalvingN) {
        return 2;
    }
    const std::uint64_t limit = 32ull * n * n;
    // Largest k with 2^k < limit; 63 - clz is floor(log2).
    const int k = 63 - __builtin_clzll(limit - 1);
    return 2u << (31 - k);
}

constexpr std::int32_t AddWrapping(std::int32_t min, std::uint32_t offset)
{
    const std::uint32_t sum = static_cast<std::uint32_t>(min) + offset;
    // Read mod 2^32 as signed, without relying on implementation-defined narrowing.
    return sum <= 0x7FFFFFFFu ? static_cast<std::int32_t>(sum)
                              : -static_cast<std::int32_t>(~sum) - 1;
}

} // namespace uniform_detail

// An integer in [min, max], both ends included. Callers guarantee min <= max.
template <class WordSource>
std::int32_t UniformInt(WordSource& engine, std::int32_t min, std::int32_t max)
{
    using namespace uniform_detail;
    const std::uint32_t range = static_cast<std::uint32_t>(max) - static_cast<std::uint32_t>(min);
    if (range == 0) {
        return min;
    }
    if (range >= kRejectionThreshold) {
        std::uint32_t w = engine.NextWord();
        while (w > range) {
            w = engine.NextWord();
        }
        return AddWrapping(min, w);
    }
    const std::uint32_t n = range + 1;
    const std::uint32_t f = SmallRangeDivisor(n);
    return AddWrapping(min, (engine.NextWord() / f) % n);
}
