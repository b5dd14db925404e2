#include "engine/InternalGenerator.h"
#include "worksheet/EntryPoints.h"
#include "worksheet/WorksheetFrame.h"

// One variate of the shared distribution stream per call; a parameter that
// fails validation raises argument_error, which the frame shows as #VALUE!.

XLOPER* xllQBERNOULLI(double p)
{
    return WorksheetFrame([=] { return XlfOper().SetBool(g_generator.NextBernoulli(p)); });
}

XLOPER* xllQPOISSON(double lambda)
{
    return WorksheetFrame([=] { return Number(g_generator.NextPoisson(lambda)); });
}

XLOPER* xllQBINOMIAL(std::int32_t n, double p)
{
    return WorksheetFrame([=] { return Number(g_generator.NextBinomial(n, p)); });
}

XLOPER* xllQNEGBIN(std::int32_t n, double p)
{
    return WorksheetFrame([=] { return Number(g_generator.NextNegativeBinomial(n, p)); });
}

XLOPER* xllQGEOMETRIC(double p)
{
    return WorksheetFrame([=] { return Number(g_generator.NextGeometric(p)); });
}

XLOPER* xllQHYPERGEOMETRIC(std::int32_t n, std::int32_t m, std::int32_t s)
{
    return WorksheetFrame([=] { return Number(g_generator.NextHypergeometric(n, m, s)); });
}

XLOPER* xllQNORMAL(double mean, double stddev)
{
    return WorksheetFrame([=] { return Number(g_generator.NextNormal(mean, stddev)); });
}

XLOPER* xllQLOGNORMAL(double mu, double sigma)
{
    return WorksheetFrame([=] { return Number(g_generator.NextLognormal(mu, sigma)); });
}

XLOPER* xllQUNIFORM(double min, double max)
{
    return WorksheetFrame([=] { return Number(g_generator.NextUniform(min, max)); });
}

XLOPER* xllQTRIANGULAR(double min, double max, XLOPER* peak)
{
    return WorksheetFrame([=] {
        if (IsMissing(peak)) {
            return Number(g_generator.NextTriangular(min, max));
        }
        return Number(g_generator.NextTriangular(min, max, XlfOper(peak).ReadDouble()));
    });
}

XLOPER* xllQBETA(double a, double b)
{
    return WorksheetFrame([=] { return Number(g_generator.NextBeta(a, b)); });
}

XLOPER* xllQPARETO(double alpha, double theta)
{
    return WorksheetFrame([=] { return Number(g_generator.NextPareto(alpha, theta)); });
}

XLOPER* xllQBURR(double alpha, double theta, double gamma)
{
    return WorksheetFrame([=] { return Number(g_generator.NextBurr(alpha, theta, gamma)); });
}

XLOPER* xllQGAMMA(double alpha, double theta)
{
    return WorksheetFrame([=] { return Number(g_generator.NextGamma(alpha, theta)); });
}

XLOPER* xllQWEIBULL(double tau, double theta)
{
    return WorksheetFrame([=] { return Number(g_generator.NextWeibull(tau, theta)); });
}

XLOPER* xllQEXPONENTIAL(double mean)
{
    return WorksheetFrame([=] { return Number(g_generator.NextExponential(mean)); });
}
