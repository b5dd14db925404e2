#pragma once
#include "uniform/MersenneTwister.h"
#include "uniform/UniformMapping.h"

// A source of doubles in [0, 1): its own copy of an engine, so that it and
// the engine it was taken from advance independently.
class CUnitStream {
public:
    explicit CUnitStream(const CMersenneTwister& engine) : m_engine(engine) {}

    // w * 2^-32: 0.0 can occur, 1.0 cannot.
    double NextUnit() { return static_cast<double>(m_engine.NextWord()) * kWordScale; }

private:
    CMersenneTwister m_engine;
};
