#pragma once
#include <cstdint>
#include <string>
#include <utility>

#include "engine/MersenneTwister.h"
#include "engine/UnitStream.h"

// The engine facade: a main stream for uniform numbers and a distribution
// stream, a copy of the main stream taken at seeding time, for variates.
class CInternalGenerator {
public:
    // Carries a distribution's validation message to the caller's boundary.
    class argument_error {
    public:
        explicit argument_error(std::string text) : message(std::move(text)) {}
        std::string message;
    };

    explicit CInternalGenerator(std::uint32_t seed);

    // Main stream.
    double Next();
    std::int32_t NextBetween(std::int32_t min, std::int32_t max);

    CMersenneTwister& MainStream() { return m_main; }
    CUnitStream& DistributionStream() { return m_distribution; }

    // Distribution stream: each builds and validates a distribution object,
    // throws argument_error with its message, or draws one variate.
    bool NextBernoulli(double p);
    std::int32_t NextBinomial(std::int32_t n, double p);
    std::int32_t NextPoisson(double lambda);
    std::int32_t NextNegativeBinomial(std::int32_t r, double q);
    std::int32_t NextGeometric(double p);
    std::int32_t NextHypergeometric(std::int32_t m, std::int32_t n, std::int32_t s);
    double NextNormal(double mean, double stdDev);
    double NextLognormal(double mu, double sigma);
    double NextUniform(double minimum, double maximum);
    double NextTriangular(double minimum, double maximum, double peak);
    double NextTriangular(double minimum, double maximum);
    double NextBeta(double a, double b);
    double NextPareto(double alpha, double theta);
    double NextBurr(double first, double second, double third);
    double NextGamma(double alpha, double theta);
    double NextWeibull(double tau, double theta);
    double NextExponential(double mean);

private:
    CMersenneTwister m_main;
    CUnitStream m_distribution;
};

// The process-wide engine, seeded from the clock when the module loads.
extern CInternalGenerator g_generator;
