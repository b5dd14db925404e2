// Every validation message, word for word, with the rule that reaches it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/qdists/DistributionLookup.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMinPositive = std::numeric_limits<double>::min();

struct MessageCase {
    const char* name;
    std::vector<double> parameters;
    const char* message; // empty: valid
};

const MessageCase kCases[] = {
    // The bounds check: on a bound passes, below or NaN is invalid, above names the bound with %g.
    {"Bernoulli", {0.0}, ""},
    {"Bernoulli", {1.0}, ""},
    {"Bernoulli", {2.0}, "p needs to be smaller than 1"},
    {"Bernoulli", {-0.1}, "The value of p is invalid."},
    {"Bernoulli", {kNaN}, "The value of p is invalid."},
    {"Binomial", {0.5, 170}, ""},
    {"Binomial", {0.5, 171}, "Number of trials needs to be less than 170."},
    {"Binomial", {2.0, 171}, "Number of trials needs to be less than 170."},
    {"Binomial", {2.0, 0}, "p needs to be smaller than 1"},
    {"Binomial", {0.5, 0}, "The value of n is invalid."},
    {"Binomial", {0.5, -0.5}, "The value of n is invalid."},
    {"Binomial", {0.5, kNaN}, "The value of n is invalid."},
    {"Binomial", {0.5, 1e12}, "Number of trials needs to be less than 170."},
    {"Poisson", {1000.0}, ""},
    {"Poisson", {2000.0}, "lambda needs to be smaller than 1000"},
    {"Poisson", {0.0}, "The value of lambda is invalid."},
    {"NegativeBinomial", {0.5, 90}, ""},
    {"NegativeBinomial", {0.5, 100}, "Expected value should be less than 90."},
    {"NegativeBinomial", {0.0, 3}, "Expected value should be less than 90."},
    {"NegativeBinomial", {1.0, 1e12}, ""},
    {"NegativeBinomial", {2.0, 100}, "p needs to be smaller than 1"},
    {"NegativeBinomial", {0.5, 0}, "The value of r is invalid."},
    {"NegativeBinomial", {kNaN, 3}, "The value of p is invalid."},
    {"Geometric", {kMinPositive}, ""},
    {"Geometric", {0.0}, "The value of p is invalid."},
    {"Geometric", {1.5}, "p needs to be smaller than 1"},
    {"Hypergeometric", {10, 20, 5}, ""},
    {"Hypergeometric", {85, 85, 85}, ""},
    {"Hypergeometric", {10, 20, 11}, "Sample size should be smaller than the number of elements in each group."},
    {"Hypergeometric", {20, 10, 11}, "Sample size should be smaller than the number of elements in each group."},
    {"Hypergeometric", {100, 80, 5}, "Total number of elements should be less than 170"},
    {"Hypergeometric", {171, 80, 500}, "N needs to be smaller than 170"},
    {"Hypergeometric", {10, 0, 5}, "The value of M is invalid."},
    {"Hypergeometric", {10, 20, kNaN}, "The value of SZ is invalid."},
    {"Normal", {0, kMinPositive}, ""},
    {"Normal", {0, 0}, "The value of sigma is invalid."},
    {"Normal", {std::numeric_limits<double>::infinity(), 1}, "mu needs to be smaller than 1.79769e+308"},
    {"Normal", {kNaN, 0}, "The value of mu is invalid."},
    {"Lognormal", {0, -1}, "The value of sigma is invalid."},
    {"Uniform", {1, 1}, "The maximum has to be greater than the minimum."},
    {"Uniform", {2, 1}, "The maximum has to be greater than the minimum."},
    {"Uniform", {kNaN, 1}, "The maximum has to be greater than the minimum."},
    {"Uniform", {-std::numeric_limits<double>::infinity(), 1}, "The value of min is invalid."},
    {"Triangular", {0, 1, 0}, "The most likely value has to be greater than the minimum."},
    {"Triangular", {0, 1, 1}, "The most likely value has to be less than the maximum."},
    {"Triangular", {1, 0, 0.5}, "The maximum has to be greater than the minimum."},
    {"Triangular", {0, 1, 0.25}, ""},
    {"Beta", {150, kMinPositive, 1}, ""},
    {"Beta", {100, 50, 1}, ""},
    {"Beta", {151, 1, 1}, "The alpha parameter needs to be less than 150."},
    {"Beta", {1, 151, 1}, "The beta parameter needs to be less than 150."},
    {"Beta", {150, 0.5, 1}, "alpha + beta needs to be less than 150."},
    {"Beta", {0, 1, 1}, "The value of alpha is invalid."},
    {"Beta", {1, 1, 0}, "The value of theta is invalid."},
    {"Pareto", {1, 0}, "The value of theta is invalid."},
    {"Burr", {1, 0, 0}, "The value of gamma is invalid."},
    {"Burr", {1, 1, -1}, "The value of theta is invalid."},
    {"Gamma", {2000, 1}, ""},
    {"Gamma", {3000, 1}, "alpha needs to be smaller than 2000"},
    {"Weibull", {0, 1}, "The value of tau is invalid."},
    {"Exponential", {0}, "The value of theta is invalid."},
};

} // namespace

TEST(ValidationMessages, EveryRuleGivesItsMessageExactly)
{
    for (const MessageCase& c : kCases) {
        const auto distribution = MakeDistribution(c.name, c.parameters);
        std::string message = "untouched";
        const bool valid = distribution->Validate(message);
        const std::string expected = *c.message ? c.message : "untouched";
        EXPECT_EQ(valid, !*c.message) << c.name << " " << expected;
        EXPECT_EQ(message, expected) << c.name;
    }
}

TEST(ValidationMessages, TheNegativeBinomialsEmptyDescriptionStillNamesItsSymbol)
{
    const auto distribution = MakeDistribution("NegativeBinomial", {0.5, 3});
    EXPECT_EQ(distribution->GetParameterInfo(1).description, "");
    EXPECT_EQ(distribution->GetParameterInfo(1).symbol, "r");
}
