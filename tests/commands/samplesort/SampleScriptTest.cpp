// "S&ample..." driven through the test Excel as a user meets it.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include "tests/commands/samplesort/ReferenceOrders.h"
#include "tests/support/ExcelScript.h"

using namespace samplesort;
using SampleCommand = ExcelScriptTest;

namespace {

// Columns Z (names), AA (amounts shown as currency) and AB (weights).
const std::vector<std::vector<std::string>> kShown = {{"Alpha", "$1,234.50", "1"}, {"Beta", "$20.00", "0"},
    {"Gamma", "$3.00", "2"}, {"Delta", "$4.25", "0"}, {"Epsilon", "$5.00", "3"}, {"Zeta", "$6.00", "4"}};

std::string SheetSteps(const std::string& selection = "Z1:AB6")
{
    const std::string lead(25, ','); // columns A to Y stay empty
    WriteWorkFile("sample.csv",
        lead + "Alpha,1234.5,1\n" + lead + "Beta,20,0\n" + lead + "Gamma,3,2\n" + lead + "Delta,4.25,0\n" + lead
            + "Epsilon,5,3\n" + lead + "Zeta,6,4\n");
    ClearSettings();
    return "sheet Sheet1 sample.csv\nformat AA1:AA6 $#,##0.00\nselect " + selection + "\n";
}

const std::string kOpen = "menu \"&Stochal/S&ample...\"\nwindow \"Random Sample\"\n";

std::string Ok(const std::string& count)
{
    return "set 226 " + count + "\npress 1\nend\n";
}

std::vector<std::vector<std::string>> RowsAt(const std::vector<unsigned>& positions, std::size_t firstColumn = 0)
{
    std::vector<std::vector<std::string>> rows;
    for (unsigned p : positions)
        rows.emplace_back(kShown.at(p).begin() + static_cast<std::ptrdiff_t>(firstColumn), kShown.at(p).end());
    return rows;
}

// "id\tclass\ttext\tenabled=…" lines of `controls`, by id.
std::string Control(const std::vector<std::string>& lines, std::size_t dump, const std::string& id)
{
    std::size_t seen = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind(id + "\t", 0) == 0 && seen++ == dump)
            return lines[i].substr(id.size() + 1);
    }
    return "(missing)";
}

} // namespace

TEST_F(SampleCommand, SingleCellIsRefusedBeforeAnyDialog)
{
    const HostRun run = RunSteps(
        "sample-single", SheetSteps("Z2") + "dump calls\nmenu \"&Stochal/S&ample...\"\nowner\nmessage\nend\ndump calls\n");
    EXPECT_EQ(run.After("message\t"),
        std::vector<std::string>{"Empty selection\tSelect the cells to sample from first."});
    EXPECT_EQ(run.After("owner\t"), std::vector<std::string>{"XLMAIN\tMicrosoft Excel - Book1"});
    EXPECT_TRUE(run.After("Application.Cursor=\t").empty()) << "nothing is restored after this message";
}

TEST_F(SampleCommand, DefaultsEnablingAndCancel)
{
    const HostRun run = RunSteps("sample-defaults",
        SheetSteps() + kOpen
            + "owner\ncontrols\nshot sample-dialog.bmp\npress 228\ncontrols\n"
              "press 227\ncontrols\npress 205\ncontrols\npress 2\nend\n");
    const std::vector<std::string>& l = run.lines;
    EXPECT_EQ(Control(l, 0, "226"), "Edit\t100\tenabled=1\tchecked=0\tvisible=1");
    EXPECT_EQ(Control(l, 0, "205"), "Button\tUnique samples\tenabled=1\tchecked=0\tvisible=1");
    EXPECT_EQ(Control(l, 0, "227"), "Button\tEqual weights\tenabled=1\tchecked=1\tvisible=1");
    EXPECT_EQ(Control(l, 0, "228"), "Button\tWeights in:\tenabled=1\tchecked=0\tvisible=1");
    EXPECT_EQ(Control(l, 0, "224"), "ComboBox\tColumn Z\tenabled=0\tchecked=0\tvisible=1");
    EXPECT_EQ(Control(l, 1, "224"), "ComboBox\tColumn Z\tenabled=1\tchecked=0\tvisible=1");
    EXPECT_EQ(Control(l, 2, "224"), "ComboBox\tColumn Z\tenabled=0\tchecked=0\tvisible=1");
    EXPECT_EQ(Control(l, 3, "224"), "ComboBox\tColumn Z\tenabled=0\tchecked=0\tvisible=1")
        << "205 changes nothing else";
    EXPECT_TRUE(SettingNumbers("Sample Dialog").empty()) << "Cancel saves nothing";
    EXPECT_TRUE(run.Clipboards().empty());
    EXPECT_EQ(run.After("owner\t"), std::vector<std::string>{"XLMAIN\tMicrosoft Excel - Book1"});
}

TEST_F(SampleCommand, OkChecksInOrderAndKeepsTheDialogOpen)
{
    std::string steps = SheetSteps() + kOpen;
    for (const char* bad : {"-1", "1.5", "\" 3\"", "\"\"", "2147483648", "x"})
        steps += std::string("set 226 ") + bad + "\npress 1\nmessage\nwindow \"Random Sample\"\n";
    steps += "press 205\nset 226 7\npress 1\nmessage\nset 226 6\npress 2\nend\n";
    const HostRun run = RunSteps("sample-checks", steps);
    std::vector<std::string> expected(6, "\tInvalid number of samples");
    expected.push_back("\tNot enough rows selected to generate unique samples.");
    EXPECT_EQ(run.After("message\t"), expected);
}

TEST_F(SampleCommand, WeightColumnThatIsNotThereMustBeChosen)
{
    const std::string setup = SheetSteps();
    SetSetting("Sample Dialog", "Weight", 228);
    SetSetting("Sample Dialog", "Weight Column", 99);
    const HostRun run = RunSteps(
        "sample-nocolumn", setup + kOpen + "controls\npress 1\nmessage\ncombo 224 1\ncontrols\npress 2\nend\n");
    EXPECT_EQ(Control(run.lines, 0, "224"), "ComboBox\t\tenabled=1\tchecked=0\tvisible=1");
    EXPECT_EQ(Control(run.lines, 0, "228"), "Button\tWeights in:\tenabled=1\tchecked=1\tvisible=1");
    EXPECT_EQ(Control(run.lines, 1, "224"), "ComboBox\tColumn AA\tenabled=1\tchecked=0\tvisible=1");
    EXPECT_EQ(run.After("message\t"), std::vector<std::string>{"\tSelect the column that contains the weights."});
}

TEST_F(SampleCommand, SeededRunsMatchTheReferenceSamplingRule)
{
    struct Case {
        const char* reference;
        std::string steps;
        const char* count;
    } cases[] = {{"sample-equal", "", "10"}, {"sample-unique", "press 205\n", "6"},
        {"sample-weighted", "press 228\ncombo 224 2\n", "12"},
        {"sample-weighted-unique", "press 205\npress 228\ncombo 224 2\n", "6"}};
    int seed = 11;
    for (const Case& c : cases) {
        const HostRun run = RunSteps(c.reference,
            SheetSteps() + "seed " + std::to_string(seed++) + "\n" + kOpen + c.steps + "dump calls\n" + Ok(c.count)
                + "dump clipboard\ndump calls\ndump state\n");
        const std::vector<unsigned> order = ReferenceOrder(c.reference);
        ASSERT_EQ(run.Clipboards(), std::vector<std::string>{EscapedLines(RowsAt(order))}) << c.reference;
        EXPECT_EQ(run.After("unicode-text "), std::vector<std::string>{EscapedLines(RowsAt(order))});
        // Each drawn row's cells are read once, for their displayed text.
        std::vector<unsigned> distinct = order;
        std::sort(distinct.begin(), distinct.end());
        distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
        EXPECT_EQ(run.After("Range.Text\t"), std::vector<std::string>{std::to_string(distinct.size() * 3)});
        const bool weighted = !c.steps.empty() && c.steps.find("228") != std::string::npos;
        EXPECT_EQ(
            run.After("Range.Value\t"), weighted ? std::vector<std::string>{"1"} : std::vector<std::string>{})
            << "the weights come in one read";
        EXPECT_EQ(run.After("Cursor\t"), std::vector<std::string>{"-4143\tlcid=0x0409"});
        EXPECT_EQ(run.After("ScreenUpdating\t"), std::vector<std::string>{"TRUE\tlcid=0x0409"});
        const auto saved = SettingNumbers("Sample Dialog");
        EXPECT_EQ(saved.at("Unique"), c.steps.find("205") != std::string::npos ? "0x1" : "0x0");
        char count[16];
        std::snprintf(count, sizeof count, "0x%x", std::stoi(c.count));
        EXPECT_EQ(saved.at("Count"), count);
        EXPECT_EQ(saved.at("Weight"), weighted ? "0xe4" : "0xe3");
        EXPECT_EQ(saved.count("Weight Column"), weighted ? 1u : 0u) << "only a weighted run saves its column";
        if (weighted) {
            EXPECT_EQ(saved.at("Weight Column"), "0x2");
        }
    }
}

TEST_F(SampleCommand, WholeColumnDrawsOnlyRowsWithData)
{
    std::string csv;
    for (int i = 1; i <= 100; ++i)
        csv += std::to_string(i) + "\n";
    WriteWorkFile("column.csv", csv);
    ClearSettings();
    const HostRun run = RunSteps("sample-column",
        "sheet Sheet1 column.csv\nselect A:A\nseed 3\nclearclipboard\n" + kOpen + Ok("40") + "dump clipboard\n");
    const std::vector<std::string> clipboards = run.Clipboards();
    ASSERT_EQ(clipboards.size(), 1u);
    std::size_t lines = 0;
    std::string rest = clipboards[0];
    for (std::size_t end = rest.find("\\n"); end != std::string::npos; end = rest.find("\\n")) {
        const int row = std::atoi(rest.substr(0, end).c_str());
        EXPECT_TRUE(row >= 1 && row <= 100) << "a drawn row without data: " << rest.substr(0, end);
        rest = rest.substr(end + 2);
        ++lines;
    }
    EXPECT_EQ(lines, 40u);
    EXPECT_EQ(rest, "\\0");
}

TEST_F(SampleCommand, EscLeavesTheClipboardAsItWas)
{
    const HostRun run = RunSteps("sample-esc",
        SheetSteps() + "clearclipboard\n" + kOpen + "set 226 3\nesc\npress 1\nend\ndump clipboard\ndump state\n");
    EXPECT_EQ(run.Clipboards(), std::vector<std::string>{"(no text)"});
    EXPECT_EQ(run.After("ScreenUpdating\t"), std::vector<std::string>{"TRUE\tlcid=0x0409"});
}

TEST_F(SampleCommand, EdgeCountsAndOneRow)
{
    // Count 0 is accepted and leaves an empty text; a one-row selection
    // gives that row every time.
    HostRun run = RunSteps("sample-zero", SheetSteps() + "clearclipboard\n" + kOpen + Ok("0") + "dump clipboard\n");
    EXPECT_EQ(run.Clipboards(), std::vector<std::string>{"\\0"});
    run = RunSteps("sample-onerow", SheetSteps("Z1:AB1") + kOpen + Ok("3") + "dump clipboard\n");
    EXPECT_EQ(run.Clipboards(), std::vector<std::string>{EscapedLines(RowsAt({0, 0, 0}))});
}

TEST_F(SampleCommand, WeightsFromTheSecondColumnOfTheSelection)
{
    // The selection AA:AB: its second entry is AB, the weights of the
    // reference case.
    const HostRun run = RunSteps("sample-second",
        SheetSteps("AA1:AB6") + "seed 13\n" + kOpen + "press 228\ncombo 224 1\ncontrols\n" + Ok("12")
            + "dump clipboard\n");
    EXPECT_EQ(Control(run.lines, 0, "224"), "ComboBox\tColumn AB\tenabled=1\tchecked=0\tvisible=1");
    EXPECT_EQ(
        run.Clipboards(), std::vector<std::string>{EscapedLines(RowsAt(ReferenceOrder("sample-weighted"), 1))});
}

TEST_F(SampleCommand, InvalidWeightNamesItsCellBeforeTheClipboardIsTouched)
{
    for (const char* bad : {"abc", "TRUE", "-1", "#N/A"}) {
        const HostRun run = RunSteps("sample-badweight",
            SheetSteps() + "cell AB3 " + bad + "\nclearclipboard\n" + kOpen
                + "press 228\ncombo 224 2\nset 226 5\npress 1\nowner\nmessage\nend\n"
                  "dump clipboard\ndump state\n");
        EXPECT_EQ(run.After("message\t"),
            std::vector<std::string>{"Error\tThe cell $AB$3 doesn't contain a valid weight."})
            << bad;
        EXPECT_EQ(run.Clipboards(), std::vector<std::string>{"(no text)"}) << bad;
        EXPECT_EQ(run.After("owner\t"), std::vector<std::string>{"XLMAIN\tMicrosoft Excel - Book1"});
        EXPECT_EQ(run.After("Cursor\t"), std::vector<std::string>{"-4143\tlcid=0x0409"});
    }
    // An empty weight cell counts as 0: unique and weighted, its row never comes.
    const HostRun run = RunSteps("sample-emptyweight",
        SheetSteps() + "cell AB1 \"\"\n" + kOpen + "press 205\npress 228\ncombo 224 2\n" + Ok("6")
            + "dump clipboard\n");
    EXPECT_TRUE(run.After("message\t").empty());
    const std::vector<std::string> texts = run.Clipboards();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].find("Alpha"), std::string::npos);
    EXPECT_EQ(texts[0].find("Beta"), std::string::npos);
    EXPECT_NE(texts[0].find("Zeta"), std::string::npos);
}

TEST_F(SampleCommand, ExcelErrorIsReportedAndTheClipboardLeftAlone)
{
    const HostRun run = RunSteps("sample-comerror",
        SheetSteps() + "clearclipboard\nfail Range.Text 2\n" + kOpen
            + "set 226 4\npress 1\nmessage\nend\ndump clipboard\ndump state\n");
    const std::vector<std::string> messages = run.After("message\t");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Error\tUnexpected error.  Error 800A03EC (", 0), 0u) << messages[0];
    EXPECT_EQ(run.Clipboards(), std::vector<std::string>{"(no text)"});
    EXPECT_EQ(run.After("ScreenUpdating\t"), std::vector<std::string>{"TRUE\tlcid=0x0409"});
}

TEST_F(SampleCommand, TextOutsideTheAnsiCodePageSurvivesAsUnicode)
{
    const HostRun run = RunSteps("sample-unicode",
        SheetSteps("Z1:Z2") + "cell Z1 \u03a9\u03bc\u03ad\u03b3\u03b1\ncell Z2 \u20ac5\n" + kOpen + "press 205\n"
            + Ok("2") + "dump clipboard\n");
    const std::vector<std::string> unicode = run.After("unicode-text ");
    ASSERT_EQ(unicode.size(), 1u);
    EXPECT_NE(unicode[0].find("\u03a9\u03bc\u03ad\u03b3\u03b1\\n"), std::string::npos) << unicode[0];
    EXPECT_NE(unicode[0].find("\u20ac5\\n"), std::string::npos) << unicode[0];
    const std::vector<std::string> ansi = run.Clipboards();
    ASSERT_EQ(ansi.size(), 1u);
    EXPECT_EQ(ansi[0].find("\u03a9\u03bc\u03ad\u03b3\u03b1"), std::string::npos) << "the ANSI form cannot hold Greek";
    EXPECT_EQ(ansi[0].substr(ansi[0].size() - 2), "\\0");
}
