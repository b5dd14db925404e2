// Densities, masses, cumulative functions and quantiles against values from
// an independent library (data/reference.txt, made by data/make_reference.py).
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>

#include "tests/qdists/DistributionLookup.h"
#include "tests/support/DataLines.h"

namespace {

struct ReferenceRow {
    std::string name;
    std::vector<double> parameters;
    std::string function;
    double x;
    double expected;
    std::string text;
};

std::vector<ReferenceRow> ReadReference()
{
    std::vector<ReferenceRow> rows;
    for (const std::string& line : ReadDataLines("qdists/data/reference.txt")) {
        std::istringstream fields(line);
        ReferenceRow row;
        unsigned count = 0;
        fields >> row.name >> count;
        row.parameters.resize(count);
        for (double& p : row.parameters) {
            fields >> p;
        }
        fields >> row.function >> row.x >> row.expected;
        row.text = line;
        rows.push_back(row);
    }
    return rows;
}

// Relative tolerances by distribution and function; the default covers
// closed forms. The normal density uses 2 pi to ten digits, the beta
// density the Lanczos gamma function, the beta quantile a root finder with
// a relative tolerance of 1e-8.
double Tolerance(const std::string& name, const std::string& function)
{
    static const std::map<std::string, double> table = {
        {"Normal pdf", 1e-10},     {"Lognormal pdf", 1e-10},  {"Normal quantile", 1e-12},
        {"Lognormal quantile", 1e-11}, {"Lognormal cdf", 1e-12}, {"Normal cdf", 1e-13},
        {"Gamma pdf", 1e-11},      {"Gamma cdf", 1e-11},      {"Gamma quantile", 1e-9},
        {"Beta pdf", 1e-9},        {"Beta cdf", 1e-11},       {"Beta quantile", 1e-7},
        {"Poisson pdf", 1e-10},    {"NegativeBinomial pdf", 1e-11},
    };
    const auto found = table.find(name + " " + function);
    return found == table.end() ? 1e-13 : found->second;
}

double Evaluate(const qdists::VDistribution& distribution, const std::string& function, double x)
{
    if (distribution.IsDiscrete()) {
        return static_cast<const qdists::VDiscreteDistribution&>(distribution).Density(x);
    }
    const auto& continuous = static_cast<const qdists::VContinuousDistribution&>(distribution);
    if (function == "pdf") {
        return continuous.Density(x);
    }
    return function == "cdf" ? continuous.Cumulative(x) : continuous.Quantile(x);
}

} // namespace

TEST(ReferenceValues, EveryRowWithinItsTolerance)
{
    const std::vector<ReferenceRow> rows = ReadReference();
    ASSERT_GT(rows.size(), 700u);
    std::map<std::string, std::pair<double, std::string>> worst; // by distribution and function
    for (const ReferenceRow& row : rows) {
        const auto distribution = MakeDistribution(row.name, row.parameters);
        ASSERT_TRUE(distribution->IsValid()) << row.text;
        const double got = Evaluate(*distribution, row.function, row.x);
        const double error =
            row.expected == 0.0 ? std::fabs(got) : std::fabs(got - row.expected) / std::fabs(row.expected);
        EXPECT_LE(error, Tolerance(row.name, row.function)) << row.text << " gave " << got;
        auto& entry = worst[row.name + " " + row.function];
        if (error >= entry.first) {
            entry = {error, row.text};
        }
    }
    for (const auto& entry : worst) {
        std::printf("%-24s worst relative error %.2e (%.0f eps) at: %s\n", entry.first.c_str(), entry.second.first,
                    entry.second.first / 2.220446049250313e-16, entry.second.second.c_str());
    }
}
