// Seed followed by each Next... method through the vtable gives the known
// seeded draws of the engine (tests/engine/data/known_draws.txt).
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/automation/StochalDll.h"
#include "tests/support/KnownDraws.h"

namespace {

using Args = std::vector<double>;
using Method = std::function<HRESULT(IGenerator&, const Args&, double&)>;

template <class Call>
Method Whole(Call call)
{
    return [call](IGenerator& g, const Args& a, double& out) {
        LONG value = 0;
        const HRESULT hr = call(g, a, &value);
        out = value;
        return hr;
    };
}

LONG L(double v)
{
    return static_cast<LONG>(v);
}

const std::map<std::string, Method>& Methods()
{
    static const std::map<std::string, Method> table = {
        {"Bernoulli", Whole([](IGenerator& g, const Args& a, LONG* r) { return g.NextBernoulli(a[0], r); })},
        {"Binomial", Whole([](IGenerator& g, const Args& a, LONG* r) { return g.NextBinomial(L(a[0]), a[1], r); })},
        {"Poisson", Whole([](IGenerator& g, const Args& a, LONG* r) { return g.NextPoisson(a[0], r); })},
        {"NegativeBinomial",
         Whole([](IGenerator& g, const Args& a, LONG* r) { return g.NextNegativeBinomial(L(a[0]), a[1], r); })},
        {"Geometric", Whole([](IGenerator& g, const Args& a, LONG* r) { return g.NextGeometric(a[0], r); })},
        {"Hypergeometric", Whole([](IGenerator& g, const Args& a, LONG* r) {
             return g.NextHypergeometric(L(a[0]), L(a[1]), L(a[2]), r);
         })},
        {"Normal", [](IGenerator& g, const Args& a, double& r) { return g.NextNormal(a[0], a[1], &r); }},
        {"Lognormal", [](IGenerator& g, const Args& a, double& r) { return g.NextLognormal(a[0], a[1], &r); }},
        {"Uniform", [](IGenerator& g, const Args& a, double& r) { return g.NextUniform(a[0], a[1], &r); }},
        {"Triangular",
         [](IGenerator& g, const Args& a, double& r) {
             VARIANT peak;
             VariantInit(&peak);
             V_VT(&peak) = VT_R8;
             V_R8(&peak) = a[2];
             return g.NextTriangular(a[0], a[1], peak, &r);
         }},
        {"Beta", [](IGenerator& g, const Args& a, double& r) { return g.NextBeta(a[0], a[1], &r); }},
        {"Pareto", [](IGenerator& g, const Args& a, double& r) { return g.NextPareto(a[0], a[1], &r); }},
        // By position, as the engine's operation takes them.
        {"Burr", [](IGenerator& g, const Args& a, double& r) { return g.NextBurr(a[0], a[1], a[2], &r); }},
        {"Gamma", [](IGenerator& g, const Args& a, double& r) { return g.NextGamma(a[0], a[1], &r); }},
        {"Weibull", [](IGenerator& g, const Args& a, double& r) { return g.NextWeibull(a[0], a[1], &r); }},
        {"Exponential", [](IGenerator& g, const Args& a, double& r) { return g.NextExponential(a[0], &r); }},
    };
    return table;
}

} // namespace

TEST(GeneratorKnownDraws, SeedThenEachMethodGivesTheKnownDraws)
{
    ComPtr<IGenerator> generator = CStochalDll::Instance().CreateGenerator();
    const std::vector<KnownDraw> draws = ReadKnownDraws();
    ASSERT_EQ(draws.size(), 1400u);
    for (const KnownDraw& draw : draws) {
        if (draw.index == 0) {
            ASSERT_EQ(S_OK, generator->Seed(static_cast<LONG>(draw.seed)));
        }
        double drawn = 0;
        const std::string where = draw.name + " " + draw.arguments + " seed " + std::to_string(draw.seed) + " draw "
                                + std::to_string(draw.index);
        ASSERT_EQ(S_OK, Methods().at(draw.name)(*generator.Get(), draw.args, drawn)) << where;
        EXPECT_EQ(draw.engine, drawn) << where;
    }
}
