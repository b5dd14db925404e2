// The add-in inside the test Excel, as Excel drives it: connection, the
// menu it builds, shutdown, the XLL it loads, About and Help, and the
// ribbon.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/ExcelScript.h"

namespace {

// The steps run between registering and unregistering the product DLL.
class AddInScript : public ExcelScriptTest {
protected:
    static HostRun RunRegistered(const std::string& name, const std::string& steps)
    {
        return Play(name, "register\n" + steps + "unregister\n");
    }
};
using AddInConnection = AddInScript;
using AboutBox = AddInScript;
using HelpCommand = AddInScript;
using Ribbon = AddInScript;
using HighDpi = AddInScript;

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

const std::vector<std::string> kMenu = {
    "&Stochal\tStochal Addin\tgroup=0\ttemporary=1",
    "  &Fill Simple...\tGenerate random numbers.\tgroup=0\ttemporary=1",
    "  Fill from &Distribution...\tGenerate random numbers from a probability distribution.\tgroup=0\ttemporary=1",
    "  S&ample...\tSample items.\tgroup=0\ttemporary=1",
    "  &Sort...\tRandom sort of the selection.\tgroup=0\ttemporary=1",
    "  &About...\tAbout Stochal\tgroup=1\ttemporary=1",
    "  &Help...\tDocumentation\tgroup=0\ttemporary=1",
};

TEST_F(AddInConnection, BuildsThePopupAndSixButtonsAndRemovesThemAtShutdown)
{
    const HostRun run = RunRegistered("connect", "connect\ndump menu\nshutdown\ndump menu\n");
    EXPECT_TRUE(run.Has("connect 0x00000000"));
    EXPECT_EQ(StochalMenu(run), kMenu);
    EXPECT_EQ(run.Count("&Stochal\t"), 1u) << "the popup outlived shutdown";
    EXPECT_TRUE(run.Has("objects 0")) << "the add-in kept Excel objects after shutdown";
}

TEST_F(AddInConnection, UnloadingItInTheComAddInsDialogRemovesTheMenu)
{
    const HostRun run = RunRegistered("disconnect", "connect\ndisconnect\ndump menu\nobjects\n");
    EXPECT_TRUE(run.Has("disconnect 0x00000000"));
    EXPECT_EQ(run.Count("&Stochal"), 0u) << "the menu outlived the add-in";
    EXPECT_TRUE(run.Has("objects 0")) << "the add-in kept Excel objects after it was unloaded";
}

TEST_F(AddInConnection, ConnectingTwiceOrOverALeftoverLeavesOnePopup)
{
    const HostRun twice = RunRegistered("twice", "connect\nconnect\ndump menu\nshutdown\n");
    EXPECT_EQ(twice.Count("connect 0x00000000"), 2u);
    EXPECT_EQ(twice.Count("&Stochal\t"), 1u);
    EXPECT_EQ(StochalMenu(twice), kMenu);
    EXPECT_TRUE(twice.Has("objects 0"));

    const HostRun leftover = RunRegistered("leftover", "toolsitem &Stochal\nconnect\ndump menu\nshutdown\n");
    EXPECT_EQ(leftover.Count("&Stochal\t"), 1u);
    EXPECT_EQ(StochalMenu(leftover), kMenu);
}

TEST_F(AddInConnection, WithoutToolsMenuConnectionFailsAndBuildsNothing)
{
    const HostRun run = RunRegistered("notools", "notools\nconnect\ndump menu\nshutdown\n");
    ASSERT_FALSE(run.lines.empty());
    EXPECT_FALSE(run.Has("connect 0x00000000"));
    EXPECT_EQ(run.Count("connect 0x8"), 1u);
    EXPECT_EQ(run.Count("&Stochal"), 0u);
    EXPECT_TRUE(run.Has("objects 0"));
}

TEST_F(AddInConnection, AFailingMemberReportsItsHResult)
{
    const HostRun run = RunRegistered("failing", "fail Controls.Add 3\nconnect\ndump menu\nshutdown\n");
    EXPECT_TRUE(run.Has("connect 0x800A03EC"));
    EXPECT_TRUE(run.Has("objects 0"));
}

// Which functions register, and how, is the worksheet tests' affair; here
// only that connecting loads the DLL as an XLL.
TEST_F(AddInConnection, LoadsItselfAsXllSoItsFunctionsAreRegistered)
{
    const HostRun run = RunRegistered("xll", "connect\ndump registrations\nshutdown\n");
    const auto qrand = std::count_if(run.lines.begin(), run.lines.end(), [](const std::string& line) {
        const std::vector<std::string> texts = SplitTabs(line);
        return texts.size() > 3 && texts[1] == "xllQRAND" && texts[3] == "QRAND";
    });
    EXPECT_EQ(qrand, 1);
}

// One click runs one command. Office calls the sinks of every button
// with the clicked one's Id and Tag, and Fill Simple comes first in the
// menu, so a button that answered its neighbours' clicks would open
// Random Fill before its own dialog. A second click while a dialog is up,
// from the menu or the ribbon, starts nothing: the running dialog stays
// in front and ends as it would have alone.
TEST_F(AddInConnection, EachClickRunsItsOwnCommandAndNoneWhileOneRuns)
{
    const HostRun run = RunRegistered("one-command", "sheet Sheet1\ncell A1:B3 7\nselect A1:B3\nconnect\n"
                                                     "menu \"&Stochal/&About...\"\nwindow \"About Stochal\"\npress 1\nend\n"
                                                     "menu \"&Stochal/&Sort...\"\nwindow \"Random Sort\"\npress 2\nend\n"
                                                     "menu \"&Stochal/S&ample...\"\nwindow \"Random Sample\"\npress 2\nend\n"
                                                     "menu \"&Stochal/&Fill Simple...\"\nwindow \"Random Fill\"\n"
                                                     "menu \"&Stochal/&About...\"\nribbon-click StochalSort\n"
                                                     "controls\npress 2\nend\nshutdown\n");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_TRUE(run.Has("ribbon-click StochalSort 0x00000000"));
    EXPECT_EQ(run.Count("206\t"), 1u) << "Random Fill's output box is not in front";
    EXPECT_EQ(run.Count("208\t"), 0u) << "About opened inside Random Fill";
    EXPECT_EQ(run.Count("220\t"), 0u) << "Random Sort opened inside Random Fill";
    EXPECT_TRUE(run.Has("objects 0"));
}

TEST_F(AboutBox, ShowsTheVersionOfTheResourceAndRestoresExcel)
{
    const HostRun run = RunRegistered("about", "htmlhelp\nconnect\nmenu \"&Stochal/&About...\"\nwindow \"About Stochal\"\ncontrols\n"
                                          "shot about.bmp\nf1\nhelped\npress 1\nend\ndump state\nshutdown\n");
    bool version = false;
    for (const std::string& line : run.lines)
        version = version || (line.rfind("208\t", 0) == 0 && line.find("\t1.0.0.0\t") != std::string::npos);
    EXPECT_TRUE(version) << "no control 208 showing 1.0.0.0";
    EXPECT_EQ(run.After("help\t"), std::vector<std::string>{"StochalHelp.chm::/about.htm\t0\towner=#32770"});
    EXPECT_TRUE(run.Has("Cursor\t-4143\tlcid=0x0409"));
    EXPECT_TRUE(run.Has("ScreenUpdating\tTRUE\tlcid=0x0409"));
}

// A control's place in a `rects` line, in client pixels.
struct ControlRect {
    std::string id;
    long left, top, right, bottom;

    bool Holds(const ControlRect& other) const
    {
        return left <= other.left && top <= other.top && right >= other.right && bottom >= other.bottom;
    }
    bool Meets(const ControlRect& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

// The `rects` lines after each `owner` line: one list a dialog.
std::vector<std::vector<ControlRect>> DialogRects(const HostRun& run)
{
    std::vector<std::vector<ControlRect>> dialogs;
    for (const std::string& line : run.lines) {
        const std::vector<std::string> cells = SplitTabs(line);
        if (cells.empty()) {
            continue;
        }
        if (cells[0] == "owner") {
            dialogs.emplace_back();
        } else if (cells.size() == 5 && !dialogs.empty() && cells[0].find_first_not_of("-0123456789") == std::string::npos) {
            const long left = std::stol(cells[1]), top = std::stol(cells[2]);
            dialogs.back().push_back({cells[0], left, top, left + std::stol(cells[3]), top + std::stol(cells[4])});
        }
    }
    return dialogs;
}

// Width and height of a `shot` file: the window's client area.
std::pair<long, long> ShotSize(const std::string& file)
{
    const std::string bytes = ReadWorkFile(file);
    if (bytes.size() < 26)
        return {0, 0};
    const auto word = [&](std::size_t at) {
        return static_cast<long>(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8
                                 | static_cast<unsigned char>(bytes[at + 2]) << 16);
    };
    return {word(18), word(22)};
}

// At 200 % the dialogs keep their layout: no control reaches into another
// (a group box holds its controls wholly) or past the window's edge, and
// the About picture is drawn at the size of its control, which follows the
// DPI, not stretched by the control from its own pixels. Random Fill's
// output label and About's version label met the fields beside them. The
// shots are left in the work folder to be looked at.
TEST_F(HighDpi, AtTwoHundredPercentNoControlOverlapsAnotherOrTheEdgeAndThePictureFitsItsControl)
{
    const HostRun run = RunStepsWith(
        "--dpi 192", "dialogs-192",
        "sheet Sheet1\ncell A1:B3 7\nselect A1:B3\n"
        "menu \"&Stochal/&Fill Simple...\"\nwindow \"Random Fill\"\nowner\nrects\nshot fill-192.bmp\n"
        "press 2\nend\n"
        "menu \"&Stochal/&About...\"\nwindow \"About Stochal\"\nowner\nrects\nshot about-192.bmp\npicture 209\n"
        "press 1\nend\nshutdown\nunregister\n");
    const std::vector<std::pair<std::string, std::string>> dialogs = {{"Random Fill", "fill-192.bmp"},
                                                                      {"About Stochal", "about-192.bmp"}};
    const std::vector<std::vector<ControlRect>> rects = DialogRects(run);
    ASSERT_EQ(rects.size(), dialogs.size()) << run.errors;
    for (std::size_t d = 0; d < dialogs.size(); ++d) {
        const auto [width, height] = ShotSize(dialogs[d].second);
        const std::vector<ControlRect>& controls = rects[d];
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const ControlRect& a = controls[i];
            EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= width && a.bottom <= height)
                << dialogs[d].first << ": control " << a.id << " passes the edge of " << width << "x" << height;
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                const ControlRect& b = controls[j];
                EXPECT_FALSE(a.Meets(b) && !a.Holds(b) && !b.Holds(a))
                    << dialogs[d].first << ": controls " << a.id << " (" << a.left << "," << a.top << ") and " << b.id
                    << " (" << b.left << "," << b.top << ") overlap";
            }
        }
    }
    const auto picture = std::find_if(rects[1].begin(), rects[1].end(), [](const ControlRect& r) { return r.id == "209"; });
    ASSERT_NE(picture, rects[1].end());
    // 67 x 68 dialog units hold about 100 x 110 pixels at 96 DPI, twice that here.
    EXPECT_GE(picture->right - picture->left, 190);
    EXPECT_EQ(run.After("picture\t209\t"), std::vector<std::string>{std::to_string(picture->right - picture->left) + "x"
                                                                     + std::to_string(picture->bottom - picture->top)});
}

TEST_F(HelpCommand, WithoutAHelpFileShowsNothingAndRestoresExcel)
{
    // No StochalHelp.chm stands beside the DLL of the build; an unexpected
    // message box would fail the run.
    const HostRun run = RunRegistered("help", "connect\nmenu \"&Stochal/&Help...\"\nend\ndump state\nshutdown\n");
    EXPECT_TRUE(run.Has("Cursor\t-4143\tlcid=0x0409"));
    EXPECT_TRUE(run.Has("objects 0"));
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

TEST_F(Ribbon, TheDocumentPassesExcelsChecksAndShowsTheTab)
{
    const HostRun run = RunRegistered("ribbon", "connect\nribbon\nshutdown\n");
    EXPECT_TRUE(run.Has("connect 0x00000000"));
    EXPECT_EQ(run.Count("ribbon-error"), 0u);
    EXPECT_EQ(LinesStartingWith(run, {"tab\t", "  group\t", "    button\t"}), kRibbon);
    EXPECT_EQ(StochalMenu(run), std::vector<std::string>()) << "dump menu was not asked for";
    EXPECT_TRUE(run.Has("objects 0"));
}

TEST_F(Ribbon, AboutAndHelpRunFromTheRibbonAsFromTheMenu)
{
    const HostRun run = RunRegistered("ribbon-about", "connect\nribbon-click StochalAbout\nwindow \"About Stochal\"\n"
                                                 "owner\npress 1\nend\ndump state\nribbon-click StochalHelp\nend\n"
                                                 "dump state\nshutdown\n");
    EXPECT_TRUE(run.Has("ribbon-click StochalAbout 0x00000000"));
    EXPECT_TRUE(run.Has("ribbon-click StochalHelp 0x00000000"));
    EXPECT_TRUE(run.Has("owner\tXLMAIN\tMicrosoft Excel - Book1")) << "About is owned by Excel's window";
    EXPECT_EQ(run.Count("Cursor\t-4143\tlcid=0x0409"), 2u);
    EXPECT_EQ(run.Count("ScreenUpdating\tTRUE\tlcid=0x0409"), 2u);
}

TEST_F(Ribbon, EachCommandButtonOpensTheCommandsDialog)
{
    const HostRun run = RunRegistered("ribbon-commands",
                                 "sheet Sheet1\ncell A1:B3 7\nselect A1:B3\nconnect\n"
                                 "ribbon-click StochalFillSimple\nwindow \"Random Fill\"\npress 2\nend\n"
                                 "ribbon-click StochalSample\nwindow \"Random Sample\"\npress 2\nend\n"
                                 "ribbon-click StochalSort\nwindow \"Random Sort\"\npress 2\nend\n"
                                 "shutdown\n");
    for (const char* id : {"StochalFillSimple", "StochalSample", "StochalSort"})
        EXPECT_TRUE(run.Has(std::string("ribbon-click ") + id + " 0x00000000")) << id;
}

TEST_F(Ribbon, AHostWithoutTheRibbonStillGetsTheMenuAndBothLiveTogether)
{
    const HostRun menuOnly = RunRegistered("noribbon", "noribbon\nconnect\nribbon\ndump menu\nshutdown\n");
    EXPECT_TRUE(menuOnly.Has("connect 0x00000000"));
    EXPECT_EQ(LinesStartingWith(menuOnly, {"tab\t"}).size(), 0u);
    EXPECT_EQ(StochalMenu(menuOnly), kMenu);

    const HostRun both = RunRegistered("both", "connect\nmenu \"&Stochal/&About...\"\nwindow \"About Stochal\"\n"
                                          "press 1\nend\nribbon-click StochalAbout\nwindow \"About Stochal\"\n"
                                          "press 1\nend\ndump menu\nshutdown\n");
    EXPECT_EQ(StochalMenu(both), kMenu);
    EXPECT_TRUE(both.Has("ribbon-click StochalAbout 0x00000000"));
    EXPECT_TRUE(both.Has("objects 0"));
}

TEST_F(Ribbon, ButtonPicturesAreLargeForCommandsAndSmallForAboutAndHelp)
{
    const HostRun run = RunRegistered("images", "connect\ndump images\nshutdown\n");
    EXPECT_EQ(LinesStartingWith(run, {"image\t"}),
              (std::vector<std::string>{"image\tStochalFillSimple\t32x32", "image\tStochalFillDistribution\t32x32",
                                        "image\tStochalSample\t32x32", "image\tStochalSort\t32x32",
                                        "image\tStochalAbout\t16x16", "image\tStochalHelp\t16x16"}));
}

// Office shows large buttons at 32 and small ones at 16 pixels at 96 DPI,
// larger in proportion to the DPI, 48 and 24 at 144, 64 and 32 at 192
// ("Specifying Ribbon Image Resources", Windows Ribbon framework, on
// learn.microsoft.com), and asks getImage for the picture at the current
// scale ("Handle high DPI and DPI scaling in your Office solution", Ribbon
// extensions). A picture of 32 or 16 would be stretched, blurred. Between
// the scales drawn (175 % asks for 56 and 28) the next larger one comes.
TEST_F(Ribbon, ButtonPicturesComeAtTheSizeOfExcelsDpi)
{
    for (const auto& [dpi, large, small] : {std::tuple<int, const char*, const char*>{144, "48x48", "24x24"},
                                           {168, "64x64", "32x32"},
                                           {192, "64x64", "32x32"}}) {
        const HostRun run = RunStepsWith("--dpi " + std::to_string(dpi), "images-" + std::to_string(dpi),
                                         "dump images\nshutdown\nunregister\n");
        const std::string l = large, s = small;
        EXPECT_EQ(LinesStartingWith(run, {"image\t"}),
                  (std::vector<std::string>{"image\tStochalFillSimple\t" + l, "image\tStochalFillDistribution\t" + l,
                                            "image\tStochalSample\t" + l, "image\tStochalSort\t" + l,
                                            "image\tStochalAbout\t" + s, "image\tStochalHelp\t" + s}))
            << dpi << " DPI";
    }
}

} // namespace

