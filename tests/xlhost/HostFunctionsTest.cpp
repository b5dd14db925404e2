#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/xlhost/HostRunner.h"

namespace {
bool IsNumber(const std::string& text)
{
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size();
}

HostRun RunWithSheet(const std::vector<std::string>& calls)
{
    std::vector<std::string> arguments = {"--sheet", STOCHAL_SOURCE_DIR "/tests/xlhost/data/sample.csv"};
    arguments.insert(arguments.end(), calls.begin(), calls.end());
    return RunHost(arguments);
}

bool IsError(const std::string& text)
{
    return !text.empty() && text[0] == '#' && text != "#NULL-RESULT";
}

struct Function {
    const char* name;
    int arguments;
    const char* valid;
};

const Function kFunctions[] = {
    {"QRAND", 1, "QRAND()"},
    {"QRANDBETWEEN", 3, "QRANDBETWEEN(1,6)"},
    {"QBERNOULLI", 1, "QBERNOULLI(0.5)"},
    {"QPOISSON", 1, "QPOISSON(3)"},
    {"QBINOMIAL", 2, "QBINOMIAL(10,0.3)"},
    {"QNEGATIVEBINOMIAL", 2, "QNEGATIVEBINOMIAL(3,0.5)"},
    {"QGEOMETRIC", 1, "QGEOMETRIC(0.4)"},
    {"QHYPERGEOMETRIC", 3, "QHYPERGEOMETRIC(5,7,4)"},
    {"QNORMAL", 2, "QNORMAL(0,1)"},
    {"QLOGNORMAL", 2, "QLOGNORMAL(0,1)"},
    {"QUNIFORM", 2, "QUNIFORM(1,2)"},
    {"QTRIANGULAR", 3, "QTRIANGULAR(0,10,)"},
    {"QBETA", 2, "QBETA(2,3)"},
    {"QPARETO", 2, "QPARETO(3,2)"},
    {"QBURR", 3, "QBURR(2,3,4)"},
    {"QGAMMA", 2, "QGAMMA(2,3)"},
    {"QWEIBULL", 2, "QWEIBULL(2,3)"},
    {"QEXPONENTIAL", 1, "QEXPONENTIAL(2)"},
    {"QSAMPLE", 3, "QSAMPLE(B1:B4)"},
};
} // namespace

TEST(HostFunctions, ValidCallsGiveNumbersAndQBernoulliALogical)
{
    std::vector<std::string> calls;
    for (const Function& function : kFunctions) {
        calls.push_back(function.valid);
    }
    calls.push_back("QTRIANGULAR(0,10,5)");
    const HostRun run = RunWithSheet(calls);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.lines.size(), 20u);
    for (std::size_t i = 0; i < run.lines.size(); ++i) {
        if (i == 2) {
            EXPECT_TRUE(run.lines[i] == "TRUE" || run.lines[i] == "FALSE") << run.lines[i];
        } else {
            EXPECT_TRUE(IsNumber(run.lines[i])) << (i < 19 ? kFunctions[i].valid : "") << ": " << run.lines[i];
        }
    }
    EXPECT_EQ(run.errors, "");
}

TEST(HostFunctions, InvalidArgumentsGiveValueError)
{
    const std::vector<std::string> calls = {
        "QRAND(0)",           "QRAND(-5)",          "QRAND(0.9)",          "QRAND(NAN)",
        "QRAND(INF)",         "QRAND(\"abc\")",     "QRAND(#N/A)",         "QRANDBETWEEN(5,5)",
        "QRANDBETWEEN(6,1)",  "QRANDBETWEEN(1,6,-INF)", "QBERNOULLI(1.5)", "QPOISSON(-1)",
        "QBINOMIAL(-1,0.5)",  "QNEGATIVEBINOMIAL(3,1.5)", "QGEOMETRIC(0)", "QHYPERGEOMETRIC(5,7,40)",
        "QNORMAL(0,-1)",      "QLOGNORMAL(0,NAN)",  "QUNIFORM(2,1)",       "QTRIANGULAR(0,10,20)",
        "QTRIANGULAR(0,10,\"x\")", "QBETA(-1,1)",  "QPARETO(0,1)",        "QBURR(1,1,-1)",
        "QGAMMA(1,0)",        "QWEIBULL(-2,1)",     "QEXPONENTIAL(-1)",    "QSAMPLE(A1:C4,0)",
        "QSAMPLE(A1:C4,4)",   "QSAMPLE(A1:C4,NAN)", "QSAMPLE(A1:C4,1)",    "QSAMPLE(A1:C4,-1)",
    };
    const HostRun run = RunWithSheet(calls);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.lines.size(), calls.size());
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(run.lines[i], "#VALUE!") << calls[i];
    }
}

// Every function with every awkward argument, alone and mixed: the answer
// is an error value or a number (a logical for QBERNOULLI, any cell for
// QSAMPLE), and the host lives to print it.
TEST(HostFunctions, AwkwardArgumentsNeverCrash)
{
    const std::vector<std::string> awkward = {"NAN", "INF", "-INF", "1E308", "-1E308", "",  "\"abc\"",
                                              "TRUE", "FALSE", "#N/A", "#VALUE!", "0", "-1", "4294967297",
                                              "0.5", "A1:D4", "D2", "D3"};
    std::vector<std::string> calls;
    std::vector<const Function*> called;
    std::mt19937 pick(20261206);
    for (const Function& function : kFunctions) {
        for (std::size_t round = 0; round < awkward.size() * 2; ++round) {
            std::string call = std::string(function.name) + "(";
            for (int a = 0; a < function.arguments; ++a) {
                const std::size_t token = round < awkward.size() ? round : pick() % awkward.size();
                call += (a > 0 ? "," : "") + awkward[token];
            }
            calls.push_back(call + ")");
            called.push_back(&function);
        }
    }
    const HostRun run = RunWithSheet(calls);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.lines.size(), calls.size());
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const std::string& line = run.lines[i];
        const std::string name = called[i]->name;
        const bool acceptable = IsError(line) || IsNumber(line)
                                || (name == "QBERNOULLI" && (line == "TRUE" || line == "FALSE"))
                                || (name == "QSAMPLE" && line != "#NULL-RESULT");
        EXPECT_TRUE(acceptable) << calls[i] << " gave " << line;
    }
    EXPECT_EQ(run.errors, "");
}
