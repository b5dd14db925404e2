// The sixteen distribution operations of the engine facade: build the
// distribution object, validate it, and draw one variate from the
// distribution stream. Nothing is drawn when validation fails.
#include <string>

#include "engine/InternalGenerator.h"
#include "qdists/DistBernoulli.h"
#include "qdists/DistBeta.h"
#include "qdists/DistBinomial.h"
#include "qdists/DistBurr.h"
#include "qdists/DistExponential.h"
#include "qdists/DistGamma.h"
#include "qdists/DistGeometric.h"
#include "qdists/DistHypergeometric.h"
#include "qdists/DistLognormal.h"
#include "qdists/DistNegativeBinomial.h"
#include "qdists/DistNormal.h"
#include "qdists/DistPareto.h"
#include "qdists/DistPoisson.h"
#include "qdists/DistTriangular.h"
#include "qdists/DistUniform.h"
#include "qdists/DistWeibull.h"
#include "qdists/IntegerConversion.h"

namespace {

double Draw(const qdists::VDistribution& distribution, CUnitStream& stream)
{
    std::string message;
    if (!distribution.Validate(message)) {
        throw CInternalGenerator::argument_error(message);
    }
    return distribution.Sample(stream);
}

std::int32_t DrawInteger(const qdists::VDistribution& distribution, CUnitStream& stream)
{
    return qdists::TruncateToInt32(Draw(distribution, stream));
}

} // namespace

bool CInternalGenerator::NextBernoulli(double p)
{
    return Draw(qdists::CDistBernoulli(p), m_distribution) != 0.0;
}

std::int32_t CInternalGenerator::NextBinomial(std::int32_t n, double p)
{
    return DrawInteger(qdists::CDistBinomial(p, n), m_distribution);
}

std::int32_t CInternalGenerator::NextPoisson(double lambda)
{
    return DrawInteger(qdists::CDistPoisson(lambda), m_distribution);
}

std::int32_t CInternalGenerator::NextNegativeBinomial(std::int32_t r, double q)
{
    return DrawInteger(qdists::CDistNegativeBinomial(q, r), m_distribution);
}

std::int32_t CInternalGenerator::NextGeometric(double p)
{
    return DrawInteger(qdists::CDistGeometric(p), m_distribution);
}

std::int32_t CInternalGenerator::NextHypergeometric(std::int32_t m, std::int32_t n, std::int32_t s)
{
    // M counts the bad elements and N the good ones.
    return DrawInteger(qdists::CDistHypergeometric(n, m, s), m_distribution);
}

double CInternalGenerator::NextNormal(double mean, double stdDev)
{
    return Draw(qdists::CDistNormal(mean, stdDev), m_distribution);
}

double CInternalGenerator::NextLognormal(double mu, double sigma)
{
    return Draw(qdists::CDistLognormal(mu, sigma), m_distribution);
}

double CInternalGenerator::NextUniform(double minimum, double maximum)
{
    return Draw(qdists::CDistUniform(minimum, maximum), m_distribution);
}

double CInternalGenerator::NextTriangular(double minimum, double maximum, double peak)
{
    return Draw(qdists::CDistTriangular(minimum, maximum, peak), m_distribution);
}

double CInternalGenerator::NextTriangular(double minimum, double maximum)
{
    return NextTriangular(minimum, maximum, (minimum + maximum) * 0.5);
}

double CInternalGenerator::NextBeta(double a, double b)
{
    return Draw(qdists::CDistBeta(a, b, 1.0), m_distribution);
}

double CInternalGenerator::NextPareto(double alpha, double theta)
{
    return Draw(qdists::CDistPareto(alpha, theta), m_distribution);
}

double CInternalGenerator::NextBurr(double first, double second, double third)
{
    // By position: alpha, theta, gamma, the order of the constructor.
    return Draw(qdists::CDistBurr(first, second, third), m_distribution);
}

double CInternalGenerator::NextGamma(double alpha, double theta)
{
    return Draw(qdists::CDistGamma(alpha, theta), m_distribution);
}

double CInternalGenerator::NextWeibull(double tau, double theta)
{
    return Draw(qdists::CDistWeibull(tau, theta), m_distribution);
}

double CInternalGenerator::NextExponential(double mean)
{
    return Draw(qdists::CDistExponential(mean), m_distribution);
}
