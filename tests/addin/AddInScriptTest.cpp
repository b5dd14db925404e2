// The add-in inside the test Excel, as Excel drives it: connection, the
// menu it builds, shutdown, the XLL it loads, About and Help, and the
// ribbon.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "tests/xlhost/HostRunner.h"

namespace {

// Runs the steps between registering and unregistering the product DLL.
HostRun RunSteps(const std::string& name, const std::string& steps)
{
    const std::string path = STOCHAL_HOST_WORK "/" + name + ".script";
    std::ofstream(path) << "register\n" << steps << "unregister\n";
    HostRun run = RunHost({"--script", path});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    return run;
}

bool Has(const HostRun& run, const std::string& line)
{
    return std::find(run.lines.begin(), run.lines.end(), line) != run.lines.end();
}

// The lines of `dump menu` for our popup: from "&Stochal" to the next
// line of the same indentation.
std::vector<std::string> StochalMenu(const HostRun& run, std::size_t from = 0)
{
    std::vector<std::string> menu;
    for (std::size_t i = from; i < run.lines.size(); ++i) {
        if (run.lines[i].rfind("&Stochal\t", 0) == 0) {
            menu.push_back(run.lines[i]);
            while (++i < run.lines.size() && run.lines[i].rfind("  ", 0) == 0)
                menu.push_back(run.lines[i]);
            break;
        }
    }
    return menu;
}

std::size_t Count(const HostRun& run, const std::string& prefix)
{
    return static_cast<std::size_t>(std::count_if(run.lines.begin(), run.lines.end(),
                                                  [&](const std::string& line) { return line.rfind(prefix, 0) == 0; }));
}

const std::vector<std::string> kMenu = {
    "&Stochal\tStochal Addin\tgroup=0\ttemporary=1",
    "  &Fill Simple...\tGenerate random numbers.\tgroup=0\ttemporary=1",
    "  Fill from &Distribution...\tGenerate random numbers from a probability distribution.\tgroup=0\ttemporary=1",
    "  S&ample...\tSample items.\tgroup=0\ttemporary=1",
    "  &Sort...\tRandom sort of the selection.\tgroup=0\ttemporary=1",
    "  &About...\tAbout Stochal\tgroup=1\ttemporary=1",
    "  &Help...\tDocumentation\tgroup=0\ttemporary=1",
};

TEST(AddInConnection, BuildsThePopupAndSixButtonsAndRemovesThemAtShutdown)
{
    const HostRun run = RunSteps("connect", "connect\ndump menu\nshutdown\ndump menu\n");
    EXPECT_TRUE(Has(run, "connect 0x00000000"));
    EXPECT_EQ(StochalMenu(run), kMenu);
    EXPECT_EQ(Count(run, "&Stochal\t"), 1u) << "the popup outlived shutdown";
    EXPECT_TRUE(Has(run, "objects 0")) << "the add-in kept Excel objects after shutdown";
}

TEST(AddInConnection, ConnectingTwiceOrOverALeftoverLeavesOnePopup)
{
    const HostRun twice = RunSteps("twice", "connect\nconnect\ndump menu\nshutdown\n");
    EXPECT_EQ(Count(twice, "connect 0x00000000"), 2u);
    EXPECT_EQ(Count(twice, "&Stochal\t"), 1u);
    EXPECT_EQ(StochalMenu(twice), kMenu);
    EXPECT_TRUE(Has(twice, "objects 0"));

    const HostRun leftover = RunSteps("leftover", "toolsitem &Stochal\nconnect\ndump menu\nshutdown\n");
    EXPECT_EQ(Count(leftover, "&Stochal\t"), 1u);
    EXPECT_EQ(StochalMenu(leftover), kMenu);
}

TEST(AddInConnection, WithoutToolsMenuConnectionFailsAndBuildsNothing)
{
    const HostRun run = RunSteps("notools", "notools\nconnect\ndump menu\nshutdown\n");
    ASSERT_FALSE(run.lines.empty());
    EXPECT_FALSE(Has(run, "connect 0x00000000"));
    EXPECT_EQ(Count(run, "connect 0x8"), 1u);
    EXPECT_EQ(Count(run, "&Stochal"), 0u);
    EXPECT_TRUE(Has(run, "objects 0"));
}

TEST(AddInConnection, AFailingMemberReportsItsHResult)
{
    const HostRun run = RunSteps("failing", "fail Controls.Add 3\nconnect\ndump menu\nshutdown\n");
    EXPECT_TRUE(Has(run, "connect 0x800A03EC"));
    EXPECT_TRUE(Has(run, "objects 0"));
}

TEST(AddInConnection, LoadsItselfAsXllSoTheNineteenFunctionsAreRegistered)
{
    const HostRun run = RunSteps("xll", "connect\ndump registrations\nshutdown\n");
    const auto entries = std::count_if(run.lines.begin(), run.lines.end(), [](const std::string& line) {
        const std::vector<std::string> texts = SplitTabs(line);
        return texts.size() > 3 && texts[1].rfind("xllQ", 0) == 0 && texts[3].rfind("Q", 0) == 0;
    });
    EXPECT_EQ(entries, 19);
}

TEST(AboutBox, ShowsTheVersionOfTheResourceAndRestoresExcel)
{
    const HostRun run = RunSteps("about", "connect\nmenu \"&Stochal/&About...\"\nwindow \"About Stochal\"\ncontrols\n"
                                          "shot " STOCHAL_HOST_WORK "/about.bmp\npress 1\nend\ndump state\nshutdown\n");
    bool version = false;
    for (const std::string& line : run.lines)
        version = version || (line.rfind("208\t", 0) == 0 && line.find("\t1.0.0.0\t") != std::string::npos);
    EXPECT_TRUE(version) << "no control 208 showing 1.0.0.0";
    EXPECT_TRUE(Has(run, "Cursor\t-4143\tlcid=0x0800"));
    EXPECT_TRUE(Has(run, "ScreenUpdating\tTRUE\tlcid=0x0800"));
}

TEST(HelpCommand, WithoutAHelpFileShowsNothingAndRestoresExcel)
{
    // No StochalHelp.chm stands beside the DLL of the build; an unexpected
    // message box would fail the run.
    const HostRun run = RunSteps("help", "connect\nmenu \"&Stochal/&Help...\"\nend\ndump state\nshutdown\n");
    EXPECT_TRUE(Has(run, "Cursor\t-4143\tlcid=0x0800"));
    EXPECT_TRUE(Has(run, "objects 0"));
}

const std::vector<std::string> kRibbon = {
    "tab\tStochalTab\tStochal\tkeytip=ZS",
    "  group\tStochalCommands\tRandom Numbers",
    "    button\tStochalFillSimple\tFill Simple\tlarge\tkeytip=F\tonAction=RibbonAction\tgetImage=RibbonImage"
    "\tscreentip=Generate random numbers.\tsupertip=Fills a range with uniform random numbers: reals between 0 and "
    "1, or whole numbers between a minimum and a maximum, optionally unique in each column.",
    "    button\tStochalFillDistribution\tFill from Distribution\tlarge\tkeytip=D\tonAction=RibbonAction"
    "\tgetImage=RibbonImage\tscreentip=Generate random numbers from a probability distribution.\tsupertip=Fills "
    "the selection, an address, a new worksheet, the clipboard or a text file with random numbers from one of "
    "sixteen probability distributions.",
    "    button\tStochalSample\tSample\tlarge\tkeytip=A\tonAction=RibbonAction\tgetImage=RibbonImage"
    "\tscreentip=Sample items.\tsupertip=Draws rows of the selection at random, with or without repetition and "
    "optionally weighted, and puts them on the clipboard.",
    "    button\tStochalSort\tSort\tlarge\tkeytip=S\tonAction=RibbonAction\tgetImage=RibbonImage"
    "\tscreentip=Random sort of the selection.\tsupertip=Puts the rows or the cells of the selection into a random "
    "order, in place or on the clipboard.",
    "  group\tStochalInformation\tStochal",
    "    button\tStochalAbout\tAbout\tnormal\tkeytip=B\tonAction=RibbonAction\tgetImage=RibbonImage"
    "\tscreentip=About Stochal\tsupertip=Shows the version of Stochal.",
    "    button\tStochalHelp\tHelp\tnormal\tkeytip=H\tonAction=RibbonAction\tgetImage=RibbonImage"
    "\tscreentip=Documentation\tsupertip=Opens the Stochal help.",
};

std::vector<std::string> LinesStartingWith(const HostRun& run, const std::vector<std::string>& prefixes)
{
    std::vector<std::string> lines;
    for (const std::string& line : run.lines) {
        for (const std::string& prefix : prefixes) {
            if (line.rfind(prefix, 0) == 0) {
                lines.push_back(line);
                break;
            }
        }
    }
    return lines;
}

TEST(Ribbon, TheDocumentPassesExcelsChecksAndShowsTheTab)
{
    const HostRun run = RunSteps("ribbon", "connect\nribbon\nshutdown\n");
    EXPECT_TRUE(Has(run, "connect 0x00000000"));
    EXPECT_EQ(Count(run, "ribbon-error"), 0u);
    EXPECT_EQ(LinesStartingWith(run, {"tab\t", "  group\t", "    button\t"}), kRibbon);
    EXPECT_EQ(StochalMenu(run), std::vector<std::string>()) << "dump menu was not asked for";
    EXPECT_TRUE(Has(run, "objects 0"));
}

TEST(Ribbon, AboutAndHelpRunFromTheRibbonAsFromTheMenu)
{
    const HostRun run = RunSteps("ribbon-about", "connect\nribbon-click StochalAbout\nwindow \"About Stochal\"\n"
                                                 "press 1\nend\ndump state\nribbon-click StochalHelp\nend\n"
                                                 "dump state\nshutdown\n");
    EXPECT_TRUE(Has(run, "ribbon-click StochalAbout 0x00000000"));
    EXPECT_TRUE(Has(run, "ribbon-click StochalHelp 0x00000000"));
    EXPECT_EQ(Count(run, "Cursor\t-4143\tlcid=0x0800"), 2u);
    EXPECT_EQ(Count(run, "ScreenUpdating\tTRUE\tlcid=0x0800"), 2u);
}

TEST(Ribbon, EachCommandButtonOpensTheCommandsDialog)
{
    const HostRun run = RunSteps("ribbon-commands",
                                 "sheet Sheet1\nselect A1:B3\nconnect\n"
                                 "ribbon-click StochalFillSimple\nwindow \"Random Fill\"\npress 2\nend\n"
                                 "ribbon-click StochalSample\nwindow \"Random Sample\"\npress 2\nend\n"
                                 "ribbon-click StochalSort\nwindow \"Random Sort\"\npress 2\nend\n"
                                 "shutdown\n");
    for (const char* id : {"StochalFillSimple", "StochalSample", "StochalSort"})
        EXPECT_TRUE(Has(run, std::string("ribbon-click ") + id + " 0x00000000")) << id;
}

TEST(Ribbon, AHostWithoutTheRibbonStillGetsTheMenuAndBothLiveTogether)
{
    const HostRun menuOnly = RunSteps("noribbon", "noribbon\nconnect\nribbon\ndump menu\nshutdown\n");
    EXPECT_TRUE(Has(menuOnly, "connect 0x00000000"));
    EXPECT_EQ(LinesStartingWith(menuOnly, {"tab\t"}).size(), 0u);
    EXPECT_EQ(StochalMenu(menuOnly), kMenu);

    const HostRun both = RunSteps("both", "connect\nmenu \"&Stochal/&About...\"\nwindow \"About Stochal\"\n"
                                          "press 1\nend\nribbon-click StochalAbout\nwindow \"About Stochal\"\n"
                                          "press 1\nend\ndump menu\nshutdown\n");
    EXPECT_EQ(StochalMenu(both), kMenu);
    EXPECT_TRUE(Has(both, "ribbon-click StochalAbout 0x00000000"));
    EXPECT_TRUE(Has(both, "objects 0"));
}

TEST(Ribbon, ButtonPicturesAreLargeForCommandsAndSmallForAboutAndHelp)
{
    const HostRun run = RunSteps("images", "connect\ndump images\nshutdown\n");
    EXPECT_EQ(LinesStartingWith(run, {"image\t"}),
              (std::vector<std::string>{"image\tStochalFillSimple\t32x32", "image\tStochalFillDistribution\t32x32",
                                        "image\tStochalSample\t32x32", "image\tStochalSort\t32x32",
                                        "image\tStochalAbout\t16x16", "image\tStochalHelp\t16x16"}));
}

} // namespace

