#include "engine/InternalGenerator.h"

#include <ctime>

#include "uniform/UniformMapping.h"

namespace {
std::uint32_t ClockSeed()
{
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(std::time(nullptr)));
}
} // namespace

CInternalGenerator g_generator(ClockSeed());

CInternalGenerator::CInternalGenerator(std::uint32_t seed) : m_main(seed), m_distribution(m_main) {}

double CInternalGenerator::Next()
{
    return UniformUnit(m_main);
}

std::int32_t CInternalGenerator::NextBetween(std::int32_t min, std::int32_t max)
{
    if (max == min) {
        return min;
    }
    return UniformInt(m_main, min, max);
}
