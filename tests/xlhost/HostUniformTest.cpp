#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/InternalGenerator.h"
#include "uniform/UniformMapping.h"
#include "tests/xlhost/HostRunner.h"

namespace {
double Parse(const std::string& text)
{
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    EXPECT_EQ(end, text.c_str() + text.size()) << "not a number: " << text;
    return value;
}
} // namespace

TEST(HostRegistration, NineteenFunctionsRegisterWithTheirTexts)
{
    const HostRun run = RunHost({"--registrations"});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.lines.size(), 19u);
    const char* names[] = {"QRAND",     "QRANDBETWEEN", "QBERNOULLI",  "QPOISSON",       "QBINOMIAL",
                           "QNEGATIVEBINOMIAL", "QGEOMETRIC", "QHYPERGEOMETRIC", "QNORMAL", "QLOGNORMAL",
                           "QUNIFORM",  "QTRIANGULAR",  "QBETA",       "QPARETO",        "QBURR",
                           "QGAMMA",    "QWEIBULL",     "QEXPONENTIAL", "QSAMPLE"};
    const char* types[] = {"RR!",  "RJJR!", "RB!",  "RB!",  "RJB!", "RJB!", "RB!",  "RJJJ!", "RBB!", "RBB!",
                           "RBB!", "RBBR!", "RBB!", "RBB!", "RBBB!", "RBB!", "RBB!", "RB!",  "RRRR!"};
    for (std::size_t i = 0; i < 19; ++i) {
        const std::vector<std::string> fields = SplitTabs(run.lines[i]);
        ASSERT_EQ(fields.size(), 10 + std::string(types[i]).size() - 2) << run.lines[i];
        EXPECT_EQ(fields[3], names[i]);
        EXPECT_EQ(fields[2], types[i]);
        EXPECT_EQ(fields[5], "1");
        EXPECT_EQ(fields[6], "Stochal");
        // The help file sits beside the DLL that Excel loaded.
        const std::string dll = fields[0];
        const std::string directory = dll.substr(0, dll.rfind('\\'));
        EXPECT_EQ(dll.substr(directory.size()), "\\Stochal.dll");
        EXPECT_EQ(fields[8].substr(0, directory.size() + 18), directory + "\\StochalHelp.chm!7");
    }
    EXPECT_EQ(SplitTabs(run.lines[1])[4], "MIN, MAX, seed");
    EXPECT_EQ(SplitTabs(run.lines[16]).back(), "scale parameter ");
    EXPECT_EQ(run.errors, "");
}

TEST(HostUniform, SeededQRandOverThreeByTwoIsTheSeedOneSequence)
{
    const HostRun run = RunHost({"--caller", "3x2", "QRAND(1)", "QRAND(1.9)"});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.lines.size(), 6u);
    EXPECT_EQ(SplitTabs(run.lines[0])[0], "0.9738211021758616");
    CMersenneTwister reference(1);
    for (std::size_t row = 0; row < 3; ++row) {
        const auto cells = SplitTabs(run.lines[row]);
        ASSERT_EQ(cells.size(), 2u);
        for (const std::string& cell : cells) {
            EXPECT_EQ(Parse(cell), UniformUnit(reference));
        }
        EXPECT_EQ(run.lines[row + 3], run.lines[row]); // the same at every recalculation
    }
}

TEST(HostUniform, SharedStreamAdvancesAcrossCallsAndSeededCallsLeaveItAlone)
{
    const std::time_t before = std::time(nullptr);
    const HostRun run = RunHost({"QRAND()", "QRAND(1)", "QRANDBETWEEN(1,6,7)", "QRAND()", "QRANDBETWEEN(-5,5)"});
    const std::time_t after = std::time(nullptr);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.lines.size(), 5u);
    EXPECT_EQ(run.lines[1], "0.9738211021758616");
    // The shared engine is seeded from the clock when the DLL loads: find
    // the second that gives the first draw, then follow that stream.
    bool found = false;
    for (std::time_t second = before; second <= after && !found; ++second) {
        CInternalGenerator shared(static_cast<std::uint32_t>(second));
        if (Parse(run.lines[0]) != shared.Next()) {
            continue;
        }
        found = true;
        EXPECT_EQ(Parse(run.lines[2]), CInternalGenerator(7).NextBetween(1, 6));
        EXPECT_EQ(Parse(run.lines[3]), shared.Next());
        EXPECT_EQ(Parse(run.lines[4]), shared.NextBetween(-5, 5));
    }
    EXPECT_TRUE(found) << "no clock seed gives " << run.lines[0];
}

TEST(HostUniform, CallingRangeShapesTheResult)
{
    const HostRun run = RunHost({"--caller", "B2:B65536", "QRAND()", "--caller", "A1:A65536", "QRAND()",
                                 "--caller", "2x3", "QRANDBETWEEN(1,6)", "--caller", "B3", "QRAND()"});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.lines.size(), 65535u + 1 + 2 + 1);
    for (std::size_t i = 0; i < 65535; ++i) {
        const double value = Parse(run.lines[i]);
        ASSERT_TRUE(value >= 0.0 && value < 1.0) << i;
    }
    EXPECT_EQ(run.lines[65535], "#VALUE!"); // a whole column does not fit an array
    for (std::size_t i = 65536; i < 65538; ++i) {
        const auto cells = SplitTabs(run.lines[i]);
        ASSERT_EQ(cells.size(), 3u);
        for (const std::string& cell : cells) {
            const double value = Parse(cell);
            EXPECT_TRUE(value >= 1 && value <= 6 && value == static_cast<int>(value)) << cell;
        }
    }
    EXPECT_EQ(SplitTabs(run.lines[65538]).size(), 1u);
}
