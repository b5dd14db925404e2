// stochal draw, pdf, cdf, quantile and list.
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <utility>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/DistributionCommands.h"

namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

// Sends std::cerr to a string for its lifetime, also when the command throws.
class CErrCapture {
public:
    CErrCapture() : m_saved(std::cerr.rdbuf(m_text.rdbuf())) {}
    ~CErrCapture() { std::cerr.rdbuf(m_saved); }
    std::string Text() const { return m_text.str(); }

private:
    std::ostringstream m_text;
    std::streambuf* m_saved;
};

Outcome Invoke(int (*command)(const std::vector<std::string>&, std::ostream&), const std::vector<std::string>& words)
{
    std::ostringstream out;
    const CErrCapture err;
    const int code = command(words, out);
    return {code, out.str(), err.Text()};
}

std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

} // namespace

TEST(DistributionCommands, DrawGivesTheEngineOperationsVariates)
{
    CInternalGenerator g(5u);
    std::vector<std::string> normal;
    for (int i = 0; i < 3; ++i) {
        normal.push_back(cli::FormatDouble(g.NextNormal(0, 1)));
    }
    EXPECT_EQ(Invoke(cli::RunDraw, {"NORMAL", "0", "1", "-n", "3", "--seed", "5"}).out, Lines(normal));

    CInternalGenerator h(2u);
    const std::string k = std::to_string(h.NextHypergeometric(20, 10, 5));
    EXPECT_EQ(Invoke(cli::RunDraw, {"hypergeometric", "20", "10", "5", "--seed", "2"}).out, Lines({k}));

    CInternalGenerator t(3u);
    const std::string peak = cli::FormatDouble(t.NextTriangular(0, 10, 5));
    EXPECT_EQ(Invoke(cli::RunDraw, {"Triangular", "0", "10", "--seed", "3"}).out, Lines({peak}));

    CInternalGenerator b(1u);
    std::vector<std::string> logical;
    for (int i = 0; i < 4; ++i) {
        logical.push_back(b.NextBernoulli(0.5) ? "TRUE" : "FALSE");
    }
    EXPECT_EQ(Invoke(cli::RunDraw, {"bernoulli", "0.5", "-n", "4", "--seed", "1"}).out, Lines(logical));
}

// A refused parameter is a usage error like the others (the tool prints it
// after "stochal draw: " and exits 2), carrying the validation message.
TEST(DistributionCommands, InvalidParametersAreRefusedWithTheMessage)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"poisson", "2000", "-n", "0"}, "lambda needs to be smaller than 1000"},
        {{"normal", "0", "-1"}, "The value of sigma is invalid."},
    };
    for (const auto& c : cases) {
        try {
            Invoke(cli::RunDraw, c.first);
            ADD_FAILURE() << c.second;
        } catch (const cli::UsageError& error) {
            EXPECT_EQ(std::string(error.what()), c.second);
        }
    }
    try {
        Invoke(cli::RunCdf, {"hypergeometric", "20", "10", "11", "3"});
        ADD_FAILURE() << "hypergeometric";
    } catch (const cli::UsageError& error) {
        EXPECT_EQ(std::string(error.what()), "Sample size should be smaller than the number of elements in each group.");
    }
    try {
        Invoke(cli::RunPdf, {"triangular", "0", "1", "1", "0.5"});
        ADD_FAILURE() << "triangular";
    } catch (const cli::UsageError& error) {
        EXPECT_EQ(std::string(error.what()), "The most likely value has to be less than the maximum.");
    }
}

TEST(DistributionCommands, BadUsageThrows)
{
    const std::vector<std::vector<std::string>> draws = {
        {}, {"cauchy", "0", "1"}, {"normal", "0"}, {"normal", "0", "1", "2"}, {"binomial", "1.5", "0.5"},
        {"normal", "0", "x"}, {"normal", "0", "1", "-n", "-1"},
    };
    for (const auto& words : draws) {
        EXPECT_THROW(Invoke(cli::RunDraw, words), cli::UsageError) << words.size();
    }
    EXPECT_THROW(Invoke(cli::RunPdf, {"normal", "0", "1"}), cli::UsageError);
    EXPECT_THROW(Invoke(cli::RunPdf, {"triangular", "0", "1", "0.5"}), cli::UsageError);
    EXPECT_THROW(Invoke(cli::RunQuantile, {"normal", "0", "1", "1.5"}), cli::UsageError);
    EXPECT_THROW(Invoke(cli::RunList, {"normal"}), cli::UsageError);
}

TEST(DistributionCommands, FunctionsOfContinuousDistributions)
{
    EXPECT_EQ(Invoke(cli::RunCdf, {"uniform", "0", "8", "2", "9"}).out, "0.25\n1\n");
    EXPECT_EQ(Invoke(cli::RunQuantile, {"exponential", "2", "0", "1"}).out, "0\ninf\n");
    EXPECT_EQ(Invoke(cli::RunPdf, {"burr", "2", "0.5", "1", "0"}).out, "4\n"); // alpha theta gamma: alpha / theta
    const Outcome normal = Invoke(cli::RunQuantile, {"normal", "0", "1", "0.975"});
    EXPECT_EQ(normal.out.substr(0, 8), "1.959963");
}

TEST(DistributionCommands, FunctionsOfDiscreteDistributionsSumTheirMasses)
{
    EXPECT_EQ(Invoke(cli::RunPdf, {"binomial", "10", "0.5", "3", "3.5", "-1"}).out, "0.1171875\n0\n0\n");
    EXPECT_EQ(Invoke(cli::RunCdf, {"binomial", "10", "0.5", "3", "3.9", "10", "1e300"}).out,
              "0.171875\n0.171875\n1\n1\n");
    EXPECT_EQ(Invoke(cli::RunQuantile, {"binomial", "10", "0.5", "0.171875", "0.2", "0", "1"}).out, "3\n4\n0\n10\n");
    EXPECT_EQ(Invoke(cli::RunQuantile, {"geometric", "0.5", "0", "0.5", "0.75"}).out, "1\n1\n2\n");
    EXPECT_EQ(Invoke(cli::RunCdf, {"geometric", "0.5", "0.5"}).out, "0\n");
    const Outcome poisson = Invoke(cli::RunQuantile, {"poisson", "3.5", "1"});
    EXPECT_EQ(poisson.code, 0);
    EXPECT_GT(std::stoi(poisson.out), 20);
    EXPECT_EQ(Invoke(cli::RunQuantile, {"negativebinomial", "3", "1", "1"}).out, "0\n");
}

TEST(DistributionCommands, ListShowsEveryDistributionWithItsParameters)
{
    const std::string text = Invoke(cli::RunList, {}).out;
    int distributions = 0;
    for (std::size_t start = 0; start < text.size(); start = text.find('\n', start) + 1) {
        distributions += text[start] != ' ';
    }
    EXPECT_EQ(distributions, 16);
    EXPECT_NE(text.find("hypergeometric (Hypergeometric): n m s"), std::string::npos);
    EXPECT_NE(text.find("triangular (Triangular): min max [peak]"), std::string::npos);
    EXPECT_NE(text.find("  lambda mean                     [2.2250738585072014e-308, 1000]  initial 1\n"),
              std::string::npos);
    EXPECT_NE(text.find("  n      number of trials         [1, 1.7976931348623157e+308] whole  initial 10\n"),
              std::string::npos);
}
