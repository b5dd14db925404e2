#include "cli/DistributionTable.h"

#include <algorithm>
#include <cctype>

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

namespace cli {

namespace {

using qdists::VDistribution;
using Args = std::vector<double>;

// Whole arguments were parsed as 32-bit integers, so the casts are exact.
std::int32_t Whole(double value)
{
    return static_cast<std::int32_t>(value);
}

// The peak defaults to halfway, as the worksheet function's does.
double PeakOf(const Args& a)
{
    return a.size() > 2 ? a[2] : (a[0] + a[1]) * 0.5;
}

template <class Distribution, class... Parameters>
std::unique_ptr<VDistribution> Make(Parameters... parameters)
{
    return std::make_unique<Distribution>(parameters...);
}

} // namespace

const std::vector<DistributionForm>& AllDistributionForms()
{
    using G = CInternalGenerator;
    static const std::vector<DistributionForm> specs = {
        {"normal", {"mean", "stddev"}, {false, false}, 0, DrawKind::Real,
         [](const Args& a) { return Make<qdists::CDistNormal>(a[0], a[1]); },
         [](G& g, const Args& a) { return g.NextNormal(a[0], a[1]); }, "mu = mean, sigma = stddev"},
        {"lognormal", {"mu", "sigma"}, {false, false}, 0, DrawKind::Real,
         [](const Args& a) { return Make<qdists::CDistLognormal>(a[0], a[1]); },
         [](G& g, const Args& a) { return g.NextLognormal(a[0], a[1]); }, "mean and deviation of ln X"},
        {"uniform", {"min", "max"}, {false, false}, 0, DrawKind::Real,
         [](const Args& a) { return Make<qdists::CDistUniform>(a[0], a[1]); },
         [](G& g, const Args& a) { return g.NextUniform(a[0], a[1]); }, ""},
        {"triangular", {"min", "max", "peak"}, {false, false, false}, 1, DrawKind::Real,
         [](const Args& a) { return Make<qdists::CDistTriangular>(a[0], a[1], PeakOf(a)); },
         [](G& g, const Args& a) { return a.size() > 2 ? g.NextTriangular(a[0], a[1], a[2]) : g.NextTriangular(a[0], a[1]); },
         "draw may leave out the peak (halfway)"},
        {"beta", {"A", "B"}, {false, false}, 0, DrawKind::Real,
         [](const Args& a) { return Make<qdists::CDistBeta>(a[0], a[1], 1.0); },
         [](G& g, const Args& a) { return g.NextBeta(a[0], a[1]); }, "alpha = A, beta = B, theta = 1"},
        {"pareto", {"alpha", "theta"}, {false, false}, 0, DrawKind::Real,
         [](const Args& a) { return Make<qdists::CDistPareto>(a[0], a[1]); },
         [](G& g, const Args& a) { return g.NextPareto(a[0], a[1]); }, ""},
        {"burr", {"alpha", "theta", "gamma"}, {false, false, false}, 0, DrawKind::Real,
         [](const Args& a) { return Make<qdists::CDistBurr>(a[0], a[1], a[2]); },
         [](G& g, const Args& a) { return g.NextBurr(a[0], a[1], a[2]); }, ""},
        {"gamma", {"alpha", "theta"}, {false, false}, 0, DrawKind::Real,
         [](const Args& a) { return Make<qdists::CDistGamma>(a[0], a[1]); },
         [](G& g, const Args& a) { return g.NextGamma(a[0], a[1]); }, "shape alpha, scale theta"},
        {"weibull", {"tau", "theta"}, {false, false}, 0, DrawKind::Real,
         [](const Args& a) { return Make<qdists::CDistWeibull>(a[0], a[1]); },
         [](G& g, const Args& a) { return g.NextWeibull(a[0], a[1]); }, "shape tau, scale theta"},
        {"exponential", {"mean"}, {false}, 0, DrawKind::Real,
         [](const Args& a) { return Make<qdists::CDistExponential>(a[0]); },
         [](G& g, const Args& a) { return g.NextExponential(a[0]); }, "theta = mean"},
        {"bernoulli", {"p"}, {false}, 0, DrawKind::Logical,
         [](const Args& a) { return Make<qdists::CDistBernoulli>(a[0]); },
         [](G& g, const Args& a) { return g.NextBernoulli(a[0]) ? 1.0 : 0.0; }, ""},
        {"binomial", {"n", "p"}, {true, false}, 0, DrawKind::Whole,
         [](const Args& a) { return Make<qdists::CDistBinomial>(a[1], Whole(a[0])); },
         [](G& g, const Args& a) { return static_cast<double>(g.NextBinomial(Whole(a[0]), a[1])); },
         "n trials of probability p"},
        {"poisson", {"lambda"}, {false}, 0, DrawKind::Whole,
         [](const Args& a) { return Make<qdists::CDistPoisson>(a[0]); },
         [](G& g, const Args& a) { return static_cast<double>(g.NextPoisson(a[0])); }, ""},
        {"negativebinomial", {"n", "p"}, {true, false}, 0, DrawKind::Whole,
         [](const Args& a) { return Make<qdists::CDistNegativeBinomial>(a[1], Whole(a[0])); },
         [](G& g, const Args& a) { return static_cast<double>(g.NextNegativeBinomial(Whole(a[0]), a[1])); },
         "failures before the n-th success (r = n)"},
        {"geometric", {"p"}, {false}, 0, DrawKind::Whole,
         [](const Args& a) { return Make<qdists::CDistGeometric>(a[0]); },
         [](G& g, const Args& a) { return static_cast<double>(g.NextGeometric(a[0])); },
         "trials up to the first success"},
        {"hypergeometric", {"n", "m", "s"}, {true, true, true}, 0, DrawKind::Whole,
         [](const Args& a) { return Make<qdists::CDistHypergeometric>(Whole(a[1]), Whole(a[0]), Whole(a[2])); },
         [](G& g, const Args& a) {
             return static_cast<double>(g.NextHypergeometric(Whole(a[0]), Whole(a[1]), Whole(a[2])));
         },
         "n bad (M), m good (N), sample size s (SZ)"},
    };
    return specs;
}

std::string ArgumentList(const DistributionForm& form)
{
    std::string text;
    for (std::size_t i = 0; i < form.arguments.size(); ++i) {
        const bool optional = i + form.optionalArguments >= form.arguments.size();
        text += std::string(i ? " " : "") + (optional ? "[" : "") + form.arguments[i] + (optional ? "]" : "");
    }
    return text;
}

const DistributionForm* FindDistribution(const std::string& name)
{
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const DistributionForm& form : AllDistributionForms()) {
        if (lower == form.name) {
            return &form;
        }
    }
    return nullptr;
}

} // namespace cli
