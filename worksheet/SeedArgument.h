#pragma once
#include <cstdint>
#include <memory>

#include "engine/InternalGenerator.h"
#include "xlw/XlfOper.h"

// The seed of QRAND and QRANDBETWEEN: truncated toward zero, its low 32
// bits read as a signed integer. Returns 0 for a seed that must give
// #VALUE!: not finite, or below 1 after that reduction.
std::uint32_t SeedFromNumber(double value);

// The generator a call draws from: the shared one when the seed is
// omitted, else a private one for this call (null when the seed is
// refused). Raises as the readers do for a seed that cannot be read.
class SeededSource {
public:
    explicit SeededSource(const XlfOper& seed);

    bool Refused() const { return m_refused; }
    CInternalGenerator& Generator() { return m_private ? *m_private : g_generator; }

private:
    std::unique_ptr<CInternalGenerator> m_private;
    bool m_refused = false;
};
