#pragma once
#include <array>
#include <cstdint>

// MT19937 word engine with the multiplicative (69069) seeding rule.
// The seeding is part of the product's observable behaviour: a seeded
// QRAND must give the same numbers on every machine, forever.
class CMersenneTwister {
public:
    static constexpr unsigned kStateSize = 624;

    // The seed that stands in for 0, which would otherwise make every state
    // word 0 and the engine output nothing but zeros. 4357 is the default
    // seed of the original MT19937 code, which used the same 69069 fill.
    static constexpr std::uint32_t kZeroSeedReplacement = 4357u;

    explicit CMersenneTwister(std::uint32_t seed = 1u) { SeedFromMultiplier(seed); }

    // Word i of the state becomes s * 69069^(i+1) mod 2^32; the first
    // NextWord then regenerates the whole state.
    void SeedFromMultiplier(std::uint32_t s);

    std::uint32_t NextWord()
    {
        if (m_position == kStateSize) {
            Regenerate();
        }
        return Temper(m_state[m_position++]);
    }

private:
    void Regenerate();

    static std::uint32_t Temper(std::uint32_t z)
    {
        z ^= z >> 11;
        z ^= (z << 7) & 0x9D2C5680u;
        z ^= (z << 15) & 0xEFC60000u;
        z ^= z >> 18;
        return z;
    }

    std::array<std::uint32_t, kStateSize> m_state{};
    unsigned m_position = kStateSize;
};
