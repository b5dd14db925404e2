// The chooser wizard as a user meets it in the test Excel: buttons, the
// grid, the live parameter check, the output page and Cancel.
#include <gtest/gtest.h>

#include "tests/commands/distfill/DistFillCase.h"

using namespace distfill;

namespace {
constexpr int kBack = 12323;
constexpr int kNext = 12324;
constexpr int kFinish = 12325;

std::string Button(const std::string& text, bool enabled, bool checked = false)
{
    return "Button\t" + text + "\tenabled=" + (enabled ? "1" : "0") + "\tchecked=" + (checked ? "1" : "0")
         + "\tvisible=1";
}

std::string Edit(const std::string& text, bool enabled)
{
    return "Edit\t" + text + "\tenabled=" + (enabled ? "1" : "0") + "\tchecked=0\tvisible=1";
}

const char kSelection[] = "Write to the &selected cell(s)";
const char kAddress[] = "Write to this &address";
const char kWorksheet[] = "Create a new &worksheet";
const char kClipboard[] = "Copy to &clipboard";
const char kFile[] = "Write to &file";
} // namespace

TEST(DistWizard, FirstRunGridParametersAndOutputPage)
{
    ClearDistributionSettings();
    const std::string look = "dump state\ncontrols\n";
    const HostRun run = RunSteps("wizard-first-run",
        "select C3\n" + OpenWizard() + look + "shot wizard-page1.bmp\n"
        "mouse Stochal.DistGrid up 462 100\n" + look +          // beside the cells
        "mouse Stochal.DistGrid up 50 50\n" + look +            // Bernoulli again
        "wizard next\n" + look + "shot wizard-page2.bmp\n"
        "set 777 1.5\n" + look + "shot wizard-page2-invalid.bmp\n"
        "set 777 0.25\n" + look +
        "wizard next\n" + look + "shot wizard-page3.bmp\n"
        "press 1004\n" + look +
        "press 1002\n" + look +
        "wizard cancel\nend\n");
    const auto parts = Parts(run.lines);
    ASSERT_EQ(parts.size(), 10u) << run.errors;

    EXPECT_EQ(VisibleControl(parts[1], kNext), Button("&Next >", true)) << "Bernoulli is chosen at first";
    EXPECT_EQ(VisibleControl(parts[1], kBack), Button("< &Back", false));
    EXPECT_EQ(VisibleControl(parts[2], kNext), Button("&Next >", false)) << "a click beside the cells";
    EXPECT_EQ(VisibleControl(parts[3], kNext), Button("&Next >", true));

    EXPECT_TRUE(ShowsText(parts[4], "Bernoulli"));
    EXPECT_EQ(VisibleControl(parts[4], 777), Edit("0.5", true));
    EXPECT_EQ(VisibleControl(parts[4], kNext), Button("&Next >", true));
    EXPECT_EQ(VisibleControl(parts[4], kBack), Button("< &Back", true));

    EXPECT_EQ(VisibleControl(parts[5], kNext), Button("&Next >", false)) << "p = 1.5";
    EXPECT_TRUE(ShowsText(parts[5], "p needs to be smaller than 1"));
    EXPECT_GT(RedPixels("wizard-page2-invalid.bmp"), 50) << "the message is drawn in red";
    EXPECT_EQ(RedPixels("wizard-page2.bmp"), 0);
    EXPECT_EQ(VisibleControl(parts[6], kNext), Button("&Next >", true)) << "p = 0.25";
    EXPECT_FALSE(ShowsText(parts[6], "p needs to be smaller than 1"));

    const auto& page3 = parts[7];
    EXPECT_EQ(VisibleControl(page3, kFinish), Button("Finish", true));
    EXPECT_EQ(VisibleControl(page3, 1000), Button(kSelection, true, true));
    EXPECT_EQ(VisibleControl(page3, 1001), Button(kAddress, true));
    EXPECT_EQ(VisibleControl(page3, 1002), Button(kClipboard, true));
    EXPECT_EQ(VisibleControl(page3, 1003), Button(kFile, true));
    EXPECT_EQ(VisibleControl(page3, 1004), Button(kWorksheet, true));
    for (int id : {1021, 1019, 1017, 1005, 1006, 1007, 1008})
        EXPECT_EQ(VisibleControl(page3, id), Edit("", false)) << id;

    EXPECT_EQ(VisibleControl(parts[8], 1004), Button(kWorksheet, true, true));
    EXPECT_EQ(VisibleControl(parts[8], 1000), Button(kSelection, true, false)) << "one group: the old choice clears";
    EXPECT_EQ(VisibleControl(parts[8], 1019), Edit("", true));
    EXPECT_EQ(VisibleControl(parts[8], 1017), Edit("", true));
    EXPECT_EQ(VisibleControl(parts[8], 1021), Edit("", false));

    EXPECT_EQ(VisibleControl(parts[9], 1002), Button(kClipboard, true, true));
    EXPECT_EQ(VisibleControl(parts[9], 1004), Button(kWorksheet, true, false));
    EXPECT_EQ(VisibleControl(parts[9], 1005), Edit("", true));
    EXPECT_EQ(VisibleControl(parts[9], 1006), Edit("", true));
    EXPECT_EQ(VisibleControl(parts[9], 1019), Edit("", false));
}

TEST(DistWizard, LoadsSavedChoicesAndCancelLeavesThemUntouched)
{
    ClearDistributionSettings();
    SetDistributionText("", "Selected", "poisson");
    SetDistributionNumber("Method", "Method", 1003);
    SetDistributionText("Method", "String", "C:\\data\\old.txt");
    SetDistributionNumber("Method", "Count", 5);
    SetDistributionNumber("Method", "Columns", 2);
    SetDistributionNumber("Method", "Rows", 3);
    const std::string before = DistributionSnapshot();
    ASSERT_NE(before.find("poisson"), std::string::npos) << before;

    const HostRun run = RunSteps("wizard-cancel",
        "select C3\n" + OpenWizard() + "wizard next\ndump state\ncontrols\nset 777 7\nwizard next\n"
        "dump state\ncontrols\npress 1001\nset 1021 B2\nwizard cancel\nend\n");
    const auto parts = Parts(run.lines);
    ASSERT_EQ(parts.size(), 3u) << run.errors;
    EXPECT_TRUE(ShowsText(parts[1], "Poisson")) << "the saved name is matched ignoring case";
    EXPECT_EQ(VisibleControl(parts[2], 1003), Button(kFile, true, true));
    EXPECT_EQ(VisibleControl(parts[2], 1008), Edit("C:\\data\\old.txt", true));
    EXPECT_EQ(VisibleControl(parts[2], 1007), Edit("5", true));
    EXPECT_EQ(VisibleControl(parts[2], 1005), Edit("", false)) << "only the saved method's fields are filled";
    EXPECT_EQ(VisibleControl(parts[2], 1019), Edit("", false));
    EXPECT_EQ(VisibleControl(parts[2], 1001), Button(kAddress, true, false));

    EXPECT_EQ(DistributionSnapshot(), before) << "Cancel saves nothing";
}
