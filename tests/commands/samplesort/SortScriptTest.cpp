// "&Sort..." driven through the test Excel as a user meets it.
#include <cstdlib>

#include <gtest/gtest.h>

#include "tests/commands/samplesort/ReferenceOrders.h"
#include "tests/support/ExcelScript.h"

using namespace samplesort;
using SortCommand = ExcelScriptTest;

namespace {

// A1:C6; the third column holds formulas (=10 … =60) and B dates.
const std::vector<std::vector<std::string>> kValues = {{"r1", "45292", "10"}, {"r2", "45293", "20"},
    {"r3", "45294", "30"}, {"r4", "45295", "40"}, {"r5", "45296", "50"}, {"r6", "45297", "60"}};
const std::vector<std::string> kDates
    = {"2024-01-01", "2024-01-02", "2024-01-03", "2024-01-04", "2024-01-05", "2024-01-06"};

std::string SheetSteps(const std::string& selection = "A1:C6")
{
    std::string csv;
    for (const auto& row : kValues)
        csv += row[0] + "," + row[1] + ",=" + row[2] + "\n";
    WriteWorkFile("sort.csv", csv);
    ClearSettings();
    return "sheet Sheet1 sort.csv\nformat B1:B6 yyyy-mm-dd\nselect " + selection + "\n";
}

const std::string kOpen = "menu \"&Stochal/&Sort...\"\nwindow \"Random Sort\"\n";

// The cell texts of source cell k (row-major in A1:C6), as shown.
std::string Shown(unsigned k)
{
    return k % 3 == 1 ? kDates.at(k / 3) : kValues.at(k / 3).at(k % 3);
}

std::vector<std::vector<std::string>> RowsInOrder(const std::vector<unsigned>& p)
{
    std::vector<std::vector<std::string>> rows;
    for (unsigned r : p)
        rows.push_back({Shown(r * 3), Shown(r * 3 + 1), Shown(r * 3 + 2)});
    return rows;
}

std::vector<std::vector<std::string>> CellsInOrder(const std::vector<unsigned>& p)
{
    std::vector<std::vector<std::string>> rows(6);
    for (std::size_t i = 0; i < p.size(); ++i)
        rows[i / 3].push_back(Shown(p[i]));
    return rows;
}

// `dump cells A1:C6` as the host prints it (stored values), after p moved
// whole rows or single cells.
std::vector<std::string> StoredAfter(const std::vector<unsigned>& p, bool rows)
{
    std::vector<std::string> lines(6);
    for (unsigned target = 0; target < 18; ++target) {
        const unsigned source = rows ? p[target / 3] * 3 + target % 3 : p[target];
        lines[target / 3] += (target % 3 ? "\t" : "") + kValues[source / 3][source % 3];
    }
    return lines;
}

// The last lines the host printed.
std::vector<std::string> Tail(const HostRun& run, std::size_t count)
{
    if (run.lines.size() < count)
        return run.lines;
    return std::vector<std::string>(run.lines.end() - static_cast<std::ptrdiff_t>(count), run.lines.end());
}

std::vector<std::string> Part(const std::vector<std::string>& lines, std::size_t first, std::size_t count)
{
    if (lines.size() < first + count)
        return {};
    return std::vector<std::string>(
        lines.begin() + static_cast<std::ptrdiff_t>(first), lines.begin() + static_cast<std::ptrdiff_t>(first + count));
}

} // namespace

TEST_F(SortCommand, SingleCellIsRefusedBeforeAnyDialog)
{
    const HostRun run
        = RunSteps("sort-single", SheetSteps("B2") + "menu \"&Stochal/&Sort...\"\nowner\nmessage\nend\ndump calls\n");
    EXPECT_EQ(
        run.After("message\t"), std::vector<std::string>{"Empty selection\tSelect the cells to sort first."});
    EXPECT_TRUE(run.After("Application.Cursor=\t").empty());
    EXPECT_EQ(run.After("owner\t"), std::vector<std::string>{"XLMAIN\tMicrosoft Excel - Book1"});
}

TEST_F(SortCommand, DialogDefaultsAndSavedChoices)
{
    HostRun run = RunSteps("sort-defaults", SheetSteps() + kOpen + "owner\ncontrols\nshot sort-dialog.bmp\npress 2\nend\n");
    EXPECT_EQ(run.After("219\t"),
        std::vector<std::string>{"Button\tKeep rows together\tenabled=1\tchecked=1\tvisible=1"});
    EXPECT_EQ(run.After("220\t"), std::vector<std::string>{"Button\tIn-place\tenabled=1\tchecked=0\tvisible=1"});
    EXPECT_EQ(run.After("221\t"), std::vector<std::string>{"Button\tClipboard\tenabled=1\tchecked=1\tvisible=1"});
    EXPECT_TRUE(SettingNumbers("Random Sort").empty()) << "Cancel saves nothing";
    EXPECT_EQ(run.After("owner\t"), std::vector<std::string>{"XLMAIN\tMicrosoft Excel - Book1"});

    run = RunSteps("sort-save",
        SheetSteps() + kOpen + "press 219\npress 220\npress 1\nend\n" + kOpen + "controls\npress 2\nend\n");
    EXPECT_EQ(run.After("219\t"),
        std::vector<std::string>{"Button\tKeep rows together\tenabled=1\tchecked=0\tvisible=1"});
    EXPECT_EQ(run.After("220\t"), std::vector<std::string>{"Button\tIn-place\tenabled=1\tchecked=1\tvisible=1"});
    const auto saved = SettingNumbers("Random Sort");
    EXPECT_EQ(saved.at("Group Rows"), "0x0");
    EXPECT_EQ(saved.at("Output Mode"), "0xdc");
}

TEST_F(SortCommand, SeededClipboardOutputMatchesTheReferenceShuffle)
{
    HostRun run
        = RunSteps("sort-rows-clip", SheetSteps() + "seed 21\n" + kOpen + "press 1\nend\ndump clipboard\ndump state\n");
    EXPECT_EQ(run.Clipboards(), std::vector<std::string>{EscapedLines(RowsInOrder(ReferenceOrder("sort-rows")))});
    EXPECT_EQ(run.After("Cursor\t"), std::vector<std::string>{"-4143\tlcid=0x0409"});
    const auto saved = SettingNumbers("Random Sort");
    EXPECT_EQ(saved.at("Group Rows"), "0x1");
    EXPECT_EQ(saved.at("Output Mode"), "0xdd");

    run = RunSteps("sort-cells-clip", SheetSteps() + "seed 22\n" + kOpen + "press 219\npress 1\nend\ndump clipboard\n");
    EXPECT_EQ(run.Clipboards(), std::vector<std::string>{EscapedLines(CellsInOrder(ReferenceOrder("sort-cells")))})
        << "six lines of three cells, dates as shown";
}

TEST_F(SortCommand, RowsInPlaceRewriteOnlyMovedRowsInRuns)
{
    // The reference moves rows 0, 1 and 5; rows 2 to 4 keep their formulas.
    const std::vector<unsigned> p = ReferenceOrder("sort-rows");
    ASSERT_EQ(p, (std::vector<unsigned>{1, 5, 2, 3, 4, 0}));
    const HostRun run = RunSteps("sort-rows-place",
        SheetSteps() + "seed 21\n" + kOpen
            + "press 220\ndump calls\npress 1\nend\n"
              "dump calls\ndump formulas C1:C6\ndump cells A1:C6\n");
    EXPECT_EQ(run.After("Range.Value\t"), std::vector<std::string>{"1"}) << "one read";
    EXPECT_EQ(run.After("Range.Value=\t"), std::vector<std::string>{"2"}) << "one write per run of moved rows";
    EXPECT_TRUE(run.After("Range.Item=\t").empty());
    const std::vector<std::string> tail = Tail(run, 12);
    EXPECT_EQ(Part(tail, 6, 6), StoredAfter(p, true));
    EXPECT_EQ(Part(tail, 0, 6), (std::vector<std::string>{"", "", "=30", "=40", "=50", ""}));
}

TEST_F(SortCommand, CellsInPlaceWriteEveryCellInOneCall)
{
    const std::vector<unsigned> p = ReferenceOrder("sort-cells");
    const HostRun run = RunSteps("sort-cells-place",
        SheetSteps() + "seed 22\n" + kOpen
            + "press 219\npress 220\ndump calls\n"
              "press 1\nend\ndump calls\ndump formulas C1:C6\ndump cells A1:C6\n");
    EXPECT_EQ(run.After("Range.Value=\t"), std::vector<std::string>{"1"});
    EXPECT_EQ(run.After("Range.Value\t"), std::vector<std::string>{"1"});
    const std::vector<std::string> tail = Tail(run, 12);
    EXPECT_EQ(Part(tail, 6, 6), StoredAfter(p, false));
    EXPECT_EQ(Part(tail, 0, 6), std::vector<std::string>(6, "")) << "every formula became its value";
}

// Texts Excel would read as numbers, dates, formulas or logicals if written
// as they are (apostrophe fields make them texts), among numbers, logicals
// and errors: sorted in place, every cell holds a value it held.
TEST_F(SortCommand, CellsInPlaceKeepTextsAsTexts)
{
    const std::vector<std::string> fields = {"'00123", "'1-2", "'TRUE", "'=x", "'3.50", "'true", "''quoted", "abc",
        "7", "3.5", "TRUE", "#N/A", "FALSE", "-12.25", "'1/2/2024", "'2024-01-02", "'false", "x y"};
    const std::vector<std::string> stored = {"00123", "1-2", "TRUE", "=x", "3.50", "true", "'quoted", "abc", "7",
        "3.5", "TRUE", "#N/A", "FALSE", "-12.25", "1/2/2024", "2024-01-02", "false", "x y"};
    std::string csv;
    for (std::size_t i = 0; i < fields.size(); ++i)
        csv += fields[i] + (i % 3 == 2 ? "\n" : ",");
    WriteWorkFile("texts.csv", csv);
    ClearSettings();
    const std::vector<unsigned> p = ReferenceOrder("sort-cells");
    const HostRun run = RunSteps("sort-texts",
        "sheet Sheet1 texts.csv\nselect A1:C6\nseed 22\n" + kOpen
            + "press 219\npress 220\npress 1\nend\ndump formulas A1:C6\ndump cells A1:C6\n");
    std::vector<std::string> expected(6);
    for (unsigned target = 0; target < 18; ++target)
        expected[target / 3] += (target % 3 ? "\t" : "") + stored[p[target]];
    const std::vector<std::string> tail = Tail(run, 12);
    EXPECT_EQ(Part(tail, 6, 6), expected);
    EXPECT_EQ(Part(tail, 0, 6), std::vector<std::string>(6, "\t\t")) << "no text became a formula";
}

TEST_F(SortCommand, SeveralAreasGoCellByCell)
{
    // The first area decides the extent; its cells are read and written one by
    // one. Both areas hold data, so both are inside the used range.
    const HostRun run = RunSteps("sort-areas",
        SheetSteps("A1:C6,E1:E2") + "cell E1:E2 x\nseed 21\n" + kOpen
            + "press 220\ndump calls\npress 1\n"
              "end\ndump calls\ndump cells A1:C6\n");
    EXPECT_TRUE(run.After("Range.Value=\t").empty());
    EXPECT_EQ(run.After("Range.Item=\t"), std::vector<std::string>{"9"}) << "three moved rows of three cells";
    EXPECT_EQ(Tail(run, 6), StoredAfter(ReferenceOrder("sort-rows"), true));
}

TEST_F(SortCommand, OneRowKeptTogetherMovesNothing)
{
    const HostRun run = RunSteps("sort-onerow",
        SheetSteps("A1:C1") + kOpen
            + "press 220\ndump calls\npress 1\nend\ndump calls\n"
              "dump formulas C1\n"
            + kOpen + "press 221\npress 1\nend\ndump clipboard\n");
    EXPECT_TRUE(run.After("Range.Value=\t").empty());
    EXPECT_TRUE(run.After("Range.Item=\t").empty());
    EXPECT_EQ(run.After("=1"), std::vector<std::string>{"0"});
    EXPECT_EQ(run.Clipboards(), std::vector<std::string>{"r1\\t2024-01-01\\t10\\n\\0"});
}

TEST_F(SortCommand, ExcelFailureMidWayGivesTheSheetBack)
{
    // The second run's write fails: the first run is written back.
    HostRun run = RunSteps("sort-fail",
        SheetSteps() + "seed 21\nfail Range.Value= 2\n" + kOpen
            + "press 220\npress 1\nowner\nmessage\nend\n"
              "dump state\ndump cells A1:C6\n");
    EXPECT_EQ(run.After("owner\t"), std::vector<std::string>{"XLMAIN\tMicrosoft Excel - Book1"});
    std::vector<std::string> messages = run.After("message\t");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Error\tUnexpected error.  Error 800A03EC (", 0), 0u) << messages[0];
    EXPECT_EQ(Tail(run, 6), StoredAfter({0, 1, 2, 3, 4, 5}, true)) << "the sheet is as it was";
    EXPECT_EQ(run.After("ScreenUpdating\t"), std::vector<std::string>{"TRUE\tlcid=0x0409"});

    // The give-back fails too: the message says so.
    run = RunSteps("sort-fail-twice",
        SheetSteps() + "seed 21\nfail Range.Value= 2\nfail Range.Resize 3\n" + kOpen
            + "press 220\npress 1\nmessage\nend\n");
    messages = run.After("message\t");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Error\tUnexpected error.  Error 800A03EC (", 0), 0u) << messages[0];
    bool saysSo = false;
    for (const std::string& line : run.lines)
        saysSo = saysSo || line.find("could not be given back") != std::string::npos;
    EXPECT_TRUE(saysSo);
}

TEST_F(SortCommand, EscStopsTheSortBeforeItWritesOrCopies)
{
    const HostRun run = RunSteps("sort-esc",
        SheetSteps() + "seed 21\n" + kOpen + "press 220\nesc\npress 1\nend\ndump calls\ndump state\ndump cells A1:C6\n");
    EXPECT_TRUE(run.After("Range.Value=\t").empty());
    EXPECT_TRUE(run.After("Range.Item=\t").empty());
    EXPECT_EQ(Tail(run, 6), StoredAfter({0, 1, 2, 3, 4, 5}, true)) << "the sheet is as it was";
    EXPECT_EQ(run.After("ScreenUpdating\t"), std::vector<std::string>{"TRUE\tlcid=0x0409"});

    const HostRun toClipboard = RunSteps(
        "sort-esc-clipboard", SheetSteps() + "clearclipboard\nseed 21\n" + kOpen + "esc\npress 1\nend\ndump clipboard\n");
    EXPECT_EQ(toClipboard.Clipboards(), std::vector<std::string>{"(no text)"}) << "the clipboard as it was";
}

// A whole column is sorted where its data is; a column without data holds
// nothing to sort.
TEST_F(SortCommand, WholeColumnSortsOnlyTheRowsWithData)
{
    std::string csv;
    for (int i = 1; i <= 100; ++i)
        csv += std::to_string(i) + "\n";
    WriteWorkFile("column.csv", csv);
    ClearSettings();
    const HostRun run = RunSteps("sort-column",
        "sheet Sheet1 column.csv\nselect A:A\nseed 3\n" + kOpen
            + "press 220\npress 1\nend\ndump cells A1:A101\nselect C:C\nmenu \"&Stochal/&Sort...\"\nmessage\nend\n");
    const std::vector<std::string> tail = Tail(run, 102);
    ASSERT_EQ(tail.size(), 102u);
    std::vector<bool> seen(101, false);
    int moved = 0;
    for (int row = 1; row <= 100; ++row) {
        const int value = std::atoi(tail[static_cast<std::size_t>(row - 1)].c_str());
        ASSERT_TRUE(value >= 1 && value <= 100 && !seen[static_cast<std::size_t>(value)]) << row;
        seen[static_cast<std::size_t>(value)] = true;
        moved += value != row;
    }
    EXPECT_GT(moved, 80);
    EXPECT_EQ(tail[100], "") << "nothing is written below the data";
    EXPECT_EQ(tail[101], "message\tEmpty selection\tSelect the cells to sort first.");
}

TEST_F(SortCommand, LargeSortInPlaceReadsOnceAndKeepsRowsWhole)
{
    constexpr int kRows = 20000;
    std::string csv;
    for (int i = 1; i <= kRows; ++i)
        csv += std::to_string(i) + "," + std::to_string(-i) + "\n";
    WriteWorkFile("large.csv", csv);
    ClearSettings();
    const HostRun run = RunSteps("sort-large",
        "sheet Sheet1 large.csv\nselect A1:B20000\nseed 5\n" + kOpen
            + "press 220\ndump calls\npress 1\nend\ndump calls\ndump cells A1:B20000\n");
    EXPECT_EQ(run.After("Range.Value\t"), std::vector<std::string>{"1"});
    const std::vector<std::string> writes = run.After("Range.Value=\t");
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_LE(std::stoi(writes[0]), 10) << "a shuffle leaves few rows in place, so few runs";
    EXPECT_TRUE(run.After("Range.Item=\t").empty());
    std::vector<bool> seen(kRows + 1, false);
    int moved = 0, row = 0;
    for (const std::string& line : Tail(run, kRows)) {
        ++row;
        const std::size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        const int value = std::stoi(line.substr(0, tab));
        ASSERT_EQ(line.substr(tab + 1), std::to_string(-value)) << "a row kept together";
        ASSERT_TRUE(value >= 1 && value <= kRows && !seen[value]) << line;
        seen[value] = true;
        moved += value != row;
    }
    EXPECT_GT(moved, kRows - 20);
}
