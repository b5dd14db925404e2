// A real automation client: a VBScript run by the stock cscript against the
// registered DLL must print what an engine seeded the same way gives.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/InternalGenerator.h"
#include "tests/automation/RegisteredServer.h"

namespace {

constexpr double kWordsPerUnit = 4294967296.0;
// A refused argument reaches a script as an exception carrying the error
// object: Err.Number is the HRESULT E_INVALIDARG itself (no longer the bare
// error 5, "Invalid procedure call or argument"), Err.Source and
// Err.Description say where and what.
const std::string kInvalidArgument = "error 80070057 Stochal.Generator: ";

struct CExpectedLine {
    std::string name;
    std::function<double()> value; // null when text is expected instead
    std::string text;
};

// The script's calls, in its order, on engines seeded as it seeds.
std::vector<CExpectedLine> ExpectedLines(CInternalGenerator& e)
{
    return {
        {"Next", [&] { return e.Next() * kWordsPerUnit; }, ""},
        {"Next", [&] { return e.Next() * kWordsPerUnit; }, ""},
        {"NextBetween", [&] { return double(e.NextBetween(1, 6)); }, ""},
        {"NextBernoulli", [&] { return double(e.NextBernoulli(0.5)); }, ""},
        {"NextBinomial", [&] { return double(e.NextBinomial(10, 0.3)); }, ""},
        {"NextPoisson", [&] { return double(e.NextPoisson(4)); }, ""},
        {"NextNegativeBinomial", [&] { return double(e.NextNegativeBinomial(3, 0.4)); }, ""},
        {"NextGeometric", [&] { return double(e.NextGeometric(0.25)); }, ""},
        {"NextHypergeometric", [&] { return double(e.NextHypergeometric(20, 10, 5)); }, ""},
        {"NextNormal", [&] { return e.NextNormal(1, 2); }, ""},
        {"NextUniform", [&] { return e.NextUniform(-2, 3); }, ""},
        {"NextTriangular", [&] { return e.NextTriangular(0, 10); }, ""},
        {"NextTriangular", [&] { return e.NextTriangular(0, 10, 2); }, ""},
        {"NextBeta", [&] { return e.NextBeta(2, 3); }, ""},
        {"NextPareto", [&] { return e.NextPareto(3, 2); }, ""},
        {"NextBurr", [&] { return e.NextBurr(2, 3, 1.5); }, ""},
        {"NextGamma", [&] { return e.NextGamma(2.5, 1.5); }, ""},
        {"NextWeibull", [&] { return e.NextWeibull(1.5, 2); }, ""},
        {"NextExponential", [&] { return e.NextExponential(2); }, ""},
        {"NextLognormal", [&] { return e.NextLognormal(0.5, 0.25); }, ""},
        {"NextNormal(0,-1)", nullptr, kInvalidArgument + "The value of sigma is invalid."},
        {"NextBetween(3,3)", nullptr, kInvalidArgument + "Max has to be greater than Min."},
        {"NextTriangular(0,10,abc)", nullptr, kInvalidArgument + "The peak has to be a number."},
        {"NextCauchy", nullptr, "error 1B6"}, // "Object doesn't support this property or method"
        {"Next", [&] { e = CInternalGenerator(4294967295u); return e.Next() * kWordsPerUnit; }, ""},
        {"Next", [&] { e = CInternalGenerator(1); return e.Next() * kWordsPerUnit; }, ""},
    };
}

// Script output uses the locale's decimal separator and 15 significant digits.
double Parsed(std::string text)
{
    for (char& c : text) {
        if (c == ',')
            c = '.';
    }
    return std::strtod(text.c_str(), nullptr);
}

TEST(ScriptClient, CscriptDrawsTheEngineNumbers)
{
    CRegisteredServer server;
    ASSERT_EQ(0u, server.RegisterStatus());
    std::string output;
    const DWORD exitCode = RunProgram(
        L"cscript.exe //nologo \"" + CRegisteredServer::SourcePath("tests/automation/GeneratorClient.vbs") + L"\"",
        &output);
    EXPECT_EQ(0u, exitCode) << output;

    CInternalGenerator engine(1);
    const std::vector<CExpectedLine> expected = ExpectedLines(engine);
    std::istringstream lines(output);
    std::string line;
    for (const CExpectedLine& want : expected) {
        ASSERT_TRUE(std::getline(lines, line)) << "missing " << want.name << " in\n" << output;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string::size_type space = line.find(' ');
        ASSERT_EQ(want.name, line.substr(0, space)) << line;
        const std::string shown = line.substr(space + 1);
        if (!want.value) {
            EXPECT_EQ(want.text, shown) << want.name;
            continue;
        }
        const double value = want.value();
        EXPECT_NEAR(value, Parsed(shown), 1e-14 * std::fabs(value)) << want.name << ": " << shown;
    }
    EXPECT_FALSE(std::getline(lines, line)) << "unexpected " << line;
}

} // namespace
