// Fill from Distribution through the test Excel: the wizard driven by
// script steps, then the cells, sheets, clipboard, files and settings it
// leaves, with seeded values from the known draws; Abort in the progress
// window, and Excel's null workbook.
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/ExcelScript.h"
#include "tests/support/KnownDraws.h"

namespace {
const std::string kOpenWizard = "menu \"&Stochal/Fill from &Distribution...\"\nwindow \"Choose Distribution\"\n";
// From Bernoulli, the first cell, to Normal (cell 10) and Poisson (cell 12).
const char kToNormal[] = "key Down\nkey Down\nkey Right\nkey Right\n";
const char kToPoisson[] = "key Down\nkey Down\nkey Down\n";
const char kToPage3[] = "wizard next\nwizard next\n";

double Number(const std::string& text)
{
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    EXPECT_TRUE(!text.empty() && *end == '\0') << "not a number: \"" << text << "\"";
    return value;
}

// A value as the text outputs write it: twenty significant digits at most,
// no trailing zeros, and the very double that was drawn.
void ExpectValueText(const std::string& text, const std::string& known)
{
    EXPECT_EQ(Number(text), Number(known)) << text;
    std::size_t digits = 0; // significant: from the first non-zero digit
    for (char c : text.substr(0, text.find_first_of("eE")))
        digits += (c >= '1' && c <= '9') || (digits > 0 && c == '0') ? 1 : 0;
    EXPECT_LE(digits, 20u) << text;
    if (text.find('.') != std::string::npos && text.find_first_of("eE") == std::string::npos) {
        EXPECT_NE(text.back(), '0') << text;
    }
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> pieces(1);
    for (char c : text) {
        if (c == separator)
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}

// The clipboard bytes from the host's escaped dump.
std::string Unescaped(const std::string& dump)
{
    std::string bytes;
    for (std::size_t i = 0; i < dump.size(); ++i) {
        if (dump[i] != '\\' || i + 1 == dump.size()) {
            bytes += dump[i];
            continue;
        }
        const char c = dump[++i];
        bytes += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c == '0' ? '\0' : c;
    }
    return bytes;
}

std::string MethodValue(const std::string& name)
{
    return SettingNumbers("Distributions\\Method")[name];
}

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

using DistFillCommand = ExcelScriptTest;
using DistFillProgress = ExcelScriptTest;
} // namespace

TEST_F(DistFillCommand, SingleSelectedCellGetsTheSeededValue)
{
    const HostRun run = RunSteps("fill-single",
        "select C3\nseed 1\n" + kOpenWizard + "owner\n" + kToNormal + kToPage3 + "wizard finish\nend\ndump cells B2:D4\ndump state\n");
    const std::vector<std::string> normal = KnownDrawTexts("Normal", "0,1", 1, 1);
    ASSERT_GE(run.lines.size(), 5u);
    const std::size_t at = run.lines.size() - 5;
    EXPECT_EQ(run.lines[at], "\t\t");
    const std::vector<std::string> middle = SplitTabs(run.lines[at + 1]);
    ASSERT_EQ(middle.size(), 3u);
    EXPECT_EQ(middle[0], "");
    EXPECT_EQ(Number(middle[1]), Number(normal[0]));
    EXPECT_EQ(middle[2], "");
    EXPECT_EQ(run.lines[at + 2], "\t\t");
    EXPECT_EQ(run.lines[at + 3], "Cursor\t-4143\tlcid=0x0409");
    EXPECT_EQ(run.lines[at + 4], "ScreenUpdating\tTRUE\tlcid=0x0409");
    EXPECT_NE(SettingsSnapshot("Distributions").find("REG_SZ    Normal"), std::string::npos) << "the choice is saved";
    EXPECT_EQ(MethodValue("Method"), "0x3e8");
    EXPECT_EQ(run.After("owner\t"), std::vector<std::string>{"XLMAIN\tMicrosoft Excel - Book1"});
}

TEST_F(DistFillCommand, AddressFillsColumnByColumnNewSheetRowByRow)
{
    const HostRun run = RunSteps("fill-orders",
        "htmlhelp\nselect A1\nseed 1\n" + kOpenWizard + "f1\nhelped\nccversion 0x3024\n" + kToNormal
        + "wizard next\nf1\nhelped\nwizard next\nf1\nhelped\nccversion 1000\nccversion 1021\n"
          "press 1001\nset 1021 B2:C3\nwizard finish\nend\ndump cells B2:C3\n"
          "seed 1\n" + kOpenWizard + kToPage3 + "press 1004\nset 1019 2\nset 1017 2\nwizard finish\nend\n"
          "dump sheets\ndump cells A1:B2\n");
    const std::vector<std::string> v = KnownDrawTexts("Normal", "0,1", 1, 4);
    ASSERT_GE(run.lines.size(), 6u);
    const std::size_t at = run.lines.size() - 6;
    const auto cell = [&](std::size_t line, std::size_t column) {
        const std::vector<std::string> cells = SplitTabs(run.lines[at + line]);
        return column < cells.size() ? Number(cells[column]) : -999.0;
    };
    // B2, B3, C2, C3 in draw order.
    EXPECT_EQ(cell(0, 0), Number(v[0]));
    EXPECT_EQ(cell(1, 0), Number(v[1]));
    EXPECT_EQ(cell(0, 1), Number(v[2]));
    EXPECT_EQ(cell(1, 1), Number(v[3]));
    EXPECT_EQ(run.lines[at + 2], "Sheet2\t*") << "the new sheet comes first and is active";
    EXPECT_EQ(run.After("ccversion\t"), (std::vector<std::string>{"0x3024\t6", "1000\t6", "1021\t6"}))
        << "themed controls on the sheet and its pages";
    EXPECT_EQ(run.After("help\t"), std::vector<std::string>(3, "StochalHelp.chm::/fill-distribution.htm\t0\towner=#32770")) << "F1 on each page";
    EXPECT_EQ(run.lines[at + 3], "Sheet1");
    // A1, B1, A2, B2 in draw order.
    EXPECT_EQ(cell(4, 0), Number(v[0]));
    EXPECT_EQ(cell(4, 1), Number(v[1]));
    EXPECT_EQ(cell(5, 0), Number(v[2]));
    EXPECT_EQ(cell(5, 1), Number(v[3]));
    EXPECT_EQ(MethodValue("Method"), "0x3ec");
    EXPECT_EQ(MethodValue("Columns"), "0x2");
    EXPECT_EQ(MethodValue("Rows"), "0x2");
}

TEST_F(DistFillCommand, ClipboardBytesAndOneLineFileReplacingAnOldOne)
{
    WriteWorkFile("one.txt", "old 1\nold 2\nold 3\n");
    const HostRun run = RunSteps("fill-texts",
        "clearclipboard\nselect A1\nseed 1\n" + kOpenWizard + kToNormal + kToPage3
        + "press 1002\nset 1005 3\nset 1006 2\nwizard finish\nend\ndump clipboard\ndump formats\n"
          "seed 1\n" + kOpenWizard + kToPage3 + "press 1003\nset 1008 " + WorkPath("one.txt")
        + "\nset 1007 1\nwizard finish\nend\n");
    const std::vector<std::string> v = KnownDrawTexts("Normal", "0,1", 1, 6);
    const std::vector<std::string> texts = run.Clipboards();
    ASSERT_EQ(texts.size(), 1u);
    const std::string text = Unescaped(texts[0]);
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), std::string("\n\0", 2)) << "a line feed ends the last line, then one NUL";
    const std::vector<std::string> lines = Split(text.substr(0, text.size() - 2), '\n');
    ASSERT_EQ(lines.size(), 2u) << texts[0];
    for (std::size_t row = 0; row < 2; ++row) {
        const std::vector<std::string> values = Split(lines[row], '\t');
        ASSERT_EQ(values.size(), 3u) << lines[row];
        for (std::size_t column = 0; column < 3; ++column)
            ExpectValueText(values[column], v[row * 3 + column]);
    }
    // Beside the text, the same values as numbers in the XML Spreadsheet
    // format, which Excel of any language pastes as numbers.
    const std::vector<std::string> formats = run.After("formats\t");
    ASSERT_EQ(formats.size(), 1u);
    for (const char* format : {"CF_TEXT", "CF_UNICODETEXT", "XML Spreadsheet"})
        EXPECT_NE(("\t" + formats[0] + "\t").find(std::string("\t") + format + "\t"), std::string::npos) << formats[0];
    const std::vector<std::string> xml = run.After("XML Spreadsheet\t");
    ASSERT_EQ(xml.size(), 1u);
    std::string rows;
    for (const std::string& line : lines) {
        rows += "<Row>";
        for (const std::string& value : Split(line, '\t'))
            rows += "<Cell><Data ss:Type=\"Number\">" + value + "</Data></Cell>";
        rows += "</Row>";
    }
    EXPECT_EQ(Unescaped(xml[0]),
              "<?xml version=\"1.0\"?>\n<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\""
              " xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\"><Worksheet ss:Name=\"Sheet1\"><Table>"
                  + rows + "</Table></Worksheet></Workbook>\n" + std::string(1, '\0'));

    const std::string file = ReadWorkFile("one.txt");
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(file.find('\n'), file.size() - 1) << "one line, the old three replaced: " << file;
    ExpectValueText(file.substr(0, file.size() - 1), v[0]);
}

TEST_F(DistFillCommand, SeededFilesHoldTheKnownDraws)
{
    const HostRun run = RunSteps("fill-seeded",
        "select A1\nseed 1\n" + kOpenWizard + kToPoisson + "wizard next\nset 777 3.5\nwizard next\n"
        "press 1003\nset 1008 " + WorkPath("poisson.txt") + "\nset 1007 20\nwizard finish\nend\n"
        "seed 20240611\n" + kOpenWizard + "key Left\nkey Left\nwizard next\nset 777 3\nset 778 2.5\n"
        "wizard next\nset 1008 " + WorkPath("normal.txt") + "\nwizard finish\nend\n");
    std::string expected;
    for (const std::string& draw : KnownDrawTexts("Poisson", "3.5", 1, 20))
        expected += draw + "\n";
    EXPECT_EQ(ReadWorkFile("poisson.txt"), expected) << "whole numbers such as 3 are written bare";

    const std::vector<std::string> normal = KnownDrawTexts("Normal", "3,2.5", 20240611, 20);
    const std::vector<std::string> lines = Split(ReadWorkFile("normal.txt"), '\n');
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines.back(), "");
    for (std::size_t i = 0; i < 20; ++i)
        ExpectValueText(lines[i], normal[i]);
    EXPECT_NE(SettingsSnapshot("Distributions").find("REG_SZ    Normal"), std::string::npos);
}

// Each write of the selection takes 1.2 s, so the window shows during the
// third write call, and Abort lands while that write sleeps; the value
// drawn next is the last one written.
TEST_F(DistFillProgress, AbortStopsWithinOneValueAndKeepsTheSettings)
{
    const HostRun run = RunSteps("progress-abort",
        "select A1:A8000\nslow Range.Value= 1200\n" + kOpenWizard + kToPage3
        + "watch Generating... 1001 progress-abort.bmp\nwizard finish\nwatched\nend\ndump state\n"
          "dump cells A1:A8000\n");
    EXPECT_EQ(run.After("watched\t"), std::vector<std::string>{"seen\tpressed 1001"});
    const std::vector<std::string> state = run.After("ScreenUpdating\t");
    EXPECT_EQ(state, std::vector<std::string>{"TRUE\tlcid=0x0409"});
    ASSERT_GE(run.lines.size(), 8000u);
    const std::vector<std::string> cells(run.lines.end() - 8000, run.lines.end());
    bool gap = true;
    const std::size_t filled = FilledPrefix(cells, gap);
    EXPECT_FALSE(gap) << "the values written are the first ones";
    EXPECT_LT(filled, 8000u);
    // A write call carries 1024 cells; after Abort the one value drawn since
    // the last call is written alone.
    EXPECT_EQ(filled % 1024, 1u) << filled;
    EXPECT_EQ(SettingNumbers("Distributions\\Method")["Method"], "0x3e8") << "saved after Abort";
    EXPECT_NE(SettingsSnapshot("Distributions").find("REG_SZ    Bernoulli"), std::string::npos);
}

// Esc, pressed before the fill looks at the keyboard, is seen at the first
// progress step (200 values), before any progress window is due; the
// values drawn so far are written.
TEST_F(DistFillProgress, EscStopsAtTheNextProgressStepWithoutAWindow)
{
    const HostRun run = RunSteps("progress-esc",
        "select A1:A1000\n" + kOpenWizard + kToPage3 + "esc\nwizard finish\nend\ndump state\ndump cells A1:A1000\n");
    EXPECT_EQ(run.After("ScreenUpdating\t"), std::vector<std::string>{"TRUE\tlcid=0x0409"});
    ASSERT_GE(run.lines.size(), 1000u);
    const std::vector<std::string> cells(run.lines.end() - 1000, run.lines.end());
    bool gap = true;
    EXPECT_EQ(FilledPrefix(cells, gap), 200u);
    EXPECT_FALSE(gap);
    EXPECT_EQ(SettingNumbers("Distributions\\Method")["Method"], "0x3e8") << "saved after Esc";
}

TEST_F(DistFillProgress, NoWorkbookEndsWithTheNullObjectErrorAndSavesNothing)
{
    SetSettingText("Distributions", "Selected", "Normal");
    SetSetting("Distributions\\Method", "Method", 1004);
    SetSetting("Distributions\\Method", "Columns", 2);
    SetSetting("Distributions\\Method", "Rows", 2);
    const std::string before = SettingsSnapshot("Distributions");
    const HostRun run = RunSteps("no-workbook",
        "noworkbook\n" + kOpenWizard + kToPage3 + "dump state\ncontrols\nwizard finish\nowner\nmessage\nend\ndump state\n");
    const auto parts = Parts(run.lines);
    ASSERT_EQ(parts.size(), 3u) << run.errors;
    EXPECT_EQ(VisibleControl(parts[1], 1000), "Button\tWrite to the &selected cell(s)\tenabled=0\tchecked=0\tvisible=1");
    EXPECT_EQ(VisibleControl(parts[1], 1004), "Button\tCreate a new &worksheet\tenabled=1\tchecked=1\tvisible=1");
    EXPECT_EQ(VisibleControl(parts[1], 1019), "Edit\t2\tenabled=1\tchecked=0\tvisible=1");
    const std::vector<std::string> messages = run.After("message\t");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Error\tAn unexpected error occured, please contact ", 0), 0u) << messages[0];
    EXPECT_EQ(run.After("owner\t"), std::vector<std::string>{"XLMAIN\tMicrosoft Excel - Book1"});
    EXPECT_NE(messages[0].find(" with the following information. Error code: 80004003 ("), std::string::npos)
        << messages[0];
    EXPECT_EQ(parts[2].at(0), "Cursor\t-4143\tlcid=0x0409");
    EXPECT_EQ(parts[2].at(1), "ScreenUpdating\tTRUE\tlcid=0x0409");
    EXPECT_EQ(SettingsSnapshot("Distributions"), before) << "an Excel error saves nothing";
}

// A user whose region setting has a decimal comma types "0,5" and sees the
// parameters with commas; a point still reads; the registry keeps points,
// so a change of region reads the saved values unchanged.
TEST_F(DistFillCommand, ParametersReadAndShowTheUsersDecimalSeparatorAndSaveWithAPoint)
{
    const HostRun run = RunStepsWith("--decimal ,", "fill-decimal-comma",
        "select A1\n" + kOpenWizard + kToNormal + "wizard next\nset 777 0,5\nset 778 2.5\nwizard back\n"
        "wizard next\ncontrols\nwizard next\npress 1000\nwizard finish\nend\n");
    EXPECT_EQ(run.After("777\t"), std::vector<std::string>{"Edit\t0,5\tenabled=1\tchecked=0\tvisible=1"});
    EXPECT_EQ(run.After("778\t"), std::vector<std::string>{"Edit\t2,5\tenabled=1\tchecked=0\tvisible=1"});
    const std::string saved = SettingsSnapshot("Distributions\\Normal");
    EXPECT_NE(saved.find("REG_SZ    0.5"), std::string::npos) << saved;
    EXPECT_NE(saved.find("REG_SZ    2.5"), std::string::npos) << saved;
}

namespace {
// A control's rectangle as `rects` prints it.
struct ControlRect {
    int x, y, width, height;
};

ControlRect RectOf(const std::string& line)
{
    const std::vector<std::string> fields = SplitTabs(line);
    EXPECT_EQ(fields.size(), 5u) << line;
    if (fields.size() != 5)
        return ControlRect{0, 0, 0, 0};
    return ControlRect{std::stoi(fields[1]), std::stoi(fields[2]), std::stoi(fields[3]), std::stoi(fields[4])};
}

// A length of the 96-DPI layout at dpi, within a pixel of rounding.
void ExpectScaled(int actual, int pixelsAt96, int dpi, const std::string& what)
{
    EXPECT_NEAR(actual, pixelsAt96 * dpi / 96.0, 1.0) << what << " at " << dpi << " DPI";
}

class DistFillDpi : public ExcelScriptTest {
protected:
    // The wizard at a DPI: the page and the custom controls of pages 1 and
    // 2 (`rects`), a parameter field's text height (`font`) and a
    // screenshot of each page, with the graph of a density (Normal) and of
    // a mass function (Poisson); then, back on page 2, changeSteps.
    static HostRun WizardAt(int dpi, const std::string& changeSteps = "")
    {
        const std::string tag = "dpi" + std::to_string(dpi);
        return RunStepsWith("--dpi " + std::to_string(dpi), "wizard-" + tag,
            "select A1\n" + kOpenWizard + "rects #32770\nrects Stochal.DistGrid\nshot " + tag + "-page1.bmp\n"
            + kToPoisson + "wizard next\nshot " + tag + "-page2-poisson.bmp\nwizard back\nkey Left\nkey Left\n"
            "wizard next\nrects #32770\nrects Stochal.Graph\nrects 777\nrects 778\nfont 777\nshot " + tag
            + "-page2-normal.bmp\nwizard next\nshot " + tag + "-page3.bmp\nwizard back\n" + changeSteps
            + "wizard cancel\nend\n");
    }

    // What pages 1 and 2 show at dpi: the grid fills the page's width and
    // its height as far as the page reaches; the graph, the fields and
    // their rows scale, and a field holds its text. The lines are the
    // `rects` of page 1 and the grid, of page 2, the graph and the first
    // two fields, and the `font` of the first field.
    static void ExpectLayoutAt(int dpi, const std::vector<std::string>& lines)
    {
        ASSERT_EQ(lines.size(), 7u);
        const ControlRect page1 = RectOf(lines[0]);
        const ControlRect grid = RectOf(lines[1]);
        ExpectScaled(grid.width, 488, dpi, "grid width");
        EXPECT_NEAR(grid.height, std::min(350 * dpi / 96.0, static_cast<double>(page1.height)), 1.0) << dpi;
        EXPECT_EQ(grid.x, page1.x);
        const ControlRect page2 = RectOf(lines[2]);
        const ControlRect graph = RectOf(lines[3]);
        const ControlRect first = RectOf(lines[4]);
        const ControlRect second = RectOf(lines[5]);
        ExpectScaled(graph.width, 488, dpi, "graph width");
        ExpectScaled(graph.y - page2.y, 20, dpi, "graph top");
        ExpectScaled(first.x - graph.x, 50, dpi, "field left");
        ExpectScaled(first.width, 80, dpi, "field width");
        ExpectScaled(first.height, 17, dpi, "field height");
        ExpectScaled(second.y - first.y, 20, dpi, "row pitch");
        EXPECT_LE(second.y + second.height, page2.y + page2.height) << "the fields stay on the page";
        ExpectScaled(first.y - (graph.y + graph.height), 1, dpi, "gap under the graph");
        // A sunken edge (WS_EX_CLIENTEDGE) takes SM_CYEDGE, 2 pixels, above
        // and below the text.
        const std::vector<std::string> font = SplitTabs(lines[6]);
        ASSERT_EQ(font.size(), 3u);
        EXPECT_GE(first.height - 4, std::stoi(font[2])) << "the text fits in the field at " << dpi << " DPI";
    }
};
} // namespace

// Shown at 200 %; then moved to a monitor of 150 % on page 2 (page 2
// follows as it shows, page 1 while hidden), and to one of 96 DPI on page
// 1 (page 1 follows as it shows, page 2 when it is next shown).
TEST_F(DistFillDpi, CustomControlsFollowTheDpiAndItsChanges)
{
    const std::string page2 = "rects #32770\nrects Stochal.Graph\nrects 777\nrects 778\nfont 777\n";
    const std::string page1 = "rects #32770\nrects Stochal.DistGrid\n";
    const HostRun run = WizardAt(192, "dpichange 144\n" + page2 + "wizard back\n" + page1
                                          + "shot dpi192to144-page1.bmp\ndpichange 96\nwizard next\n" + page2
                                          + "wizard back\n" + page1);
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    std::vector<std::string> lines;
    for (const std::string& line : run.lines)
        if (line.rfind("register", 0) != 0 && line.rfind("connect", 0) != 0)
            lines.push_back(line);
    ASSERT_EQ(lines.size(), 21u);
    ExpectLayoutAt(192, std::vector<std::string>(lines.begin(), lines.begin() + 7));
    ExpectLayoutAt(144, {lines[12], lines[13], lines[7], lines[8], lines[9], lines[10], lines[11]});
    ExpectLayoutAt(96, {lines[19], lines[20], lines[14], lines[15], lines[16], lines[17], lines[18]});
}
