// The long-job window and the failures of Fill from Distribution through
// the test Excel: when the progress window shows, Abort, and Excel's null
// workbook.
#include <string>

#include <gtest/gtest.h>

#include "tests/commands/distfill/DistFillCase.h"

using namespace distfill;

namespace {
const char kToPage3[] = "wizard next\nwizard next\n";

// Filled cells of a one-column dump: how many lead, and whether any
// follows an empty one.
std::size_t FilledPrefix(const std::vector<std::string>& cells, bool& gap)
{
    std::size_t filled = 0;
    gap = false;
    for (const std::string& cell : cells) {
        if (cell.empty())
            continue;
        gap = gap || filled != static_cast<std::size_t>(&cell - cells.data());
        ++filled;
    }
    return filled;
}
} // namespace

// The window may show once 200 values are done, and only while fewer than
// a third are: 599 values on a row written cell by cell, each write 12 ms,
// reach 200 after more than two seconds and still never show it; 600 do.
TEST(DistFillProgress, FewerThan600ValuesNeverShowTheWindow)
{
    ClearDistributionSettings();
    const HostRun run = RunSteps("progress-599",
        "slow Range.Value= 12\nslow Range.Item= 12\nselect A3\n" + OpenWizard() + kToPage3
        + "press 1001\nset 1021 A1:WA1\nwatch Generating... 1001 progress-599.bmp\nwizard finish\nwatched\nend\n"
        + OpenWizard() + kToPage3
        + "set 1021 A2:WB2\nwatch Generating... 1001 progress-600.bmp\nwizard finish\nwatched\nend\n"
          "dump cells WA1:WB1\n");
    EXPECT_EQ(samplesort::LinesAfter(run, "watched\t"), (std::vector<std::string>{"none", "seen\tpressed 1001"}));
    ASSERT_FALSE(run.lines.empty());
    EXPECT_EQ(SplitTabs(run.lines.back()).size(), 2u);
    EXPECT_NE(SplitTabs(run.lines.back())[0], "") << "the 599th cell";
    EXPECT_EQ(SplitTabs(run.lines.back())[1], "") << "no 600th cell in the first row";
}

// Each write of the selection takes 1.2 s, so the window shows during the
// third write call, and Abort lands while that write sleeps; the value
// drawn next is the last one written.
TEST(DistFillProgress, AbortStopsWithinOneValueAndKeepsTheSettings)
{
    ClearDistributionSettings();
    const HostRun run = RunSteps("progress-abort",
        "select A1:A8000\nslow Range.Value= 1200\n" + OpenWizard() + kToPage3
        + "watch Generating... 1001 progress-abort.bmp\nwizard finish\nwatched\nend\ndump state\n"
          "dump cells A1:A8000\n");
    EXPECT_EQ(samplesort::LinesAfter(run, "watched\t"), std::vector<std::string>{"seen\tpressed 1001"});
    const std::vector<std::string> state = samplesort::LinesAfter(run, "ScreenUpdating\t");
    EXPECT_EQ(state, std::vector<std::string>{"TRUE\tlcid=0x0800"});
    ASSERT_GE(run.lines.size(), 8000u);
    const std::vector<std::string> cells(run.lines.end() - 8000, run.lines.end());
    bool gap = true;
    const std::size_t filled = FilledPrefix(cells, gap);
    EXPECT_FALSE(gap) << "the values written are the first ones";
    EXPECT_LT(filled, 8000u);
    // A write call carries 1024 cells; after Abort the one value drawn since
    // the last call is written alone.
    EXPECT_EQ(filled % 1024, 1u) << filled;
    EXPECT_EQ(samplesort::RegQuery("Distributions\\Method")["Method"], "0x3e8") << "saved after Abort";
    EXPECT_NE(DistributionSnapshot().find("REG_SZ    Bernoulli"), std::string::npos);
}

TEST(DistFillProgress, NoWorkbookEndsWithTheNullObjectErrorAndSavesNothing)
{
    ClearDistributionSettings();
    SetDistributionText("", "Selected", "Normal");
    SetDistributionNumber("Method", "Method", 1004);
    SetDistributionNumber("Method", "Columns", 2);
    SetDistributionNumber("Method", "Rows", 2);
    const std::string before = DistributionSnapshot();
    const HostRun run = RunSteps("no-workbook",
        "noworkbook\n" + OpenWizard() + kToPage3 + "dump state\ncontrols\nwizard finish\nmessage\nend\ndump state\n");
    const auto parts = Parts(run.lines);
    ASSERT_EQ(parts.size(), 3u) << run.errors;
    EXPECT_EQ(VisibleControl(parts[1], 1000), "Button\tWrite to the &selected cell(s)\tenabled=0\tchecked=0\tvisible=1");
    EXPECT_EQ(VisibleControl(parts[1], 1004), "Button\tCreate a new &worksheet\tenabled=1\tchecked=1\tvisible=1");
    EXPECT_EQ(VisibleControl(parts[1], 1019), "Edit\t2\tenabled=1\tchecked=0\tvisible=1");
    const std::vector<std::string> messages = samplesort::LinesAfter(run, "message\t");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Error\tAn unexpected error occured, please contact ", 0), 0u) << messages[0];
    EXPECT_NE(messages[0].find(" with the following information. Error code: 80004003 ("), std::string::npos)
        << messages[0];
    EXPECT_EQ(parts[2].at(0), "Cursor\t-4143\tlcid=0x0800");
    EXPECT_EQ(parts[2].at(1), "ScreenUpdating\tTRUE\tlcid=0x0800");
    EXPECT_EQ(DistributionSnapshot(), before) << "an Excel error saves nothing";
}
