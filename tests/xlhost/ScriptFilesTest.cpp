// The step reference's own scripts: each one's whole output and exit code
// against the expected file beside it.
#include <algorithm>

#include "tests/support/ExcelScript.h"

namespace {
std::string Script(const std::string& name)
{
    return STOCHAL_SOURCE_DIR "/tests/xlhost/scripts/" + name;
}

using HostScripts = ExcelScriptTest;

TEST_F(HostScripts, WorkbookStepsAndDumpsWithoutTheAddIn)
{
    ExpectOutput(Script("workbook.script"), Script("workbook.expected"));
}

TEST_F(HostScripts, TheAddInsLifeRegisteredStartedDrivenAndShutDown)
{
    ExpectOutput(Script("menu.script"), Script("menu.expected"));
}

TEST_F(HostScripts, FormulasOfTheRegisteredFunctionsCalculatedCellByCell)
{
    ExpectOutput(Script("formula.script"), Script("formula.expected"));
}

// The command-line mode on both interfaces: callers anywhere on the grid,
// a sheet of 70,001 rows, texts outside the code page, registrations. The
// numbers are the known draws of seed 1 (tests/worksheet/data/known_uniform.txt).
TEST_F(HostScripts, CommandLineCallsOnEitherInterface)
{
    std::string sheet = u8"\"\u03b1\u03b2\u03b3\",1\n";
    sheet += std::string(69998, '\n');
    sheet += u8"\u6f22\u5b57,2\nx\U0001F600,3\n";
    WriteWorkFile("grid.csv", sheet);
    const std::string first = "0.9738211021758616";
    const std::vector<std::string> seedOne = {first, "0.50758258602581918", "0.88694050721824169",
                                              "0.68936349358409643"};

    HostRun run = RunCommandLine(false, {"--sheet", "grid.csv", "--caller", "A100000", "QRAND(1)", "--caller",
                                         "XFD1048576", "QRAND(1)", "--caller", "A65535:A65538", "QRAND(1)",
                                         "--caller", "none", "QRANDBETWEEN(1,6,1)", "--caller", "A1:B1",
                                         "QSAMPLE(A1:B1)", "--caller", "A1:B2", "QSAMPLE(70000:70001,,TRUE)",
                                         "--registrations"});
    ScriptOutput output(run.lines);
    output.Expect(first);
    output.Expect(first);
    for (const std::string& value : seedOne)
        output.Expect(value);
    output.Expect("2");
    output.Expect(u8"\u03b1\u03b2\u03b3\t1");
    std::vector<std::string> rows = {output.Take(), output.Take()};
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (std::vector<std::string>{u8"x\U0001F600\t3", u8"\u6f22\u5b57\t2"}));
    std::vector<std::string> qrand = SplitTabs(output.Take());
    ASSERT_EQ(qrand.size(), 12u);
    EXPECT_EQ(qrand[1], "xllQRAND");
    EXPECT_EQ(qrand[2], "UU!");
    EXPECT_EQ(qrand[11], ""); // the empty help text after the last argument's

    run = RunCommandLine(true, {"--sheet", "grid.csv", "--caller", "A65536", "QRAND(1)", "--caller", "A65537",
                                "QRAND(1)", "--caller", "A1:B1", "QSAMPLE(A1:B1)", "--registrations"});
    ScriptOutput old(run.lines);
    old.Expect(first);
    old.Expect("#VALUE!"); // Excel4 cannot name a caller below row 65536
    old.Expect("???\t1"); // Greek is not in the ANSI code page
    qrand = SplitTabs(old.Take());
    ASSERT_EQ(qrand.size(), 12u);
    EXPECT_EQ(qrand[2], "RR!");
}

// The formula step on Excel 2007's grid: cells below row 65,536 and right of
// column IV are callers like any other.
TEST_F(HostScripts, FormulasAnywhereOnTheGrid)
{
    const HostRun run = Play("grid", "register\nconnect\nformula A100000 \"QRAND(1)\"\n"
                                     "formula XFD1048576 \"QRAND(1)\"\ndump cells A100000\n"
                                     "dump cells XFD1048576\nshutdown\nunregister\n");
    EXPECT_EQ(run.Count("0.9738211021758616"), 2u) << run.errors;
    EXPECT_TRUE(run.Has("objects 0"));
}

TEST_F(HostScripts, AMessageBoxTheScriptDoesNotExpectFailsTheRun)
{
    ExpectOutput(Script("stray.script"), Script("stray.expected"), 1);
}
} // namespace
