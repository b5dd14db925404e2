#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/xlhost/HostRunner.h"

namespace {
const char kSheet[] = STOCHAL_SOURCE_DIR "/tests/xlhost/data/sample.csv";

// Rows of the sheet as the host prints them.
const std::vector<std::vector<std::string>> kRows = {
    {"one", "1", "2", "TRUE"}, {"two", "2", "0", "#N/A"}, {"three", "3", "5", ""}, {"four", "4", "0", "x y"}};

std::vector<std::vector<std::string>> Table(const std::vector<std::string>& lines, std::size_t first,
                                            std::size_t count)
{
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = first; i < first + count; ++i) {
        rows.push_back(SplitTabs(lines[i]));
    }
    return rows;
}

bool IsDataRow(const std::vector<std::string>& row, std::size_t width)
{
    return std::any_of(kRows.begin(), kRows.end(), [&](const std::vector<std::string>& data) {
        return std::equal(row.begin(), row.begin() + static_cast<std::ptrdiff_t>(width), data.begin());
    });
}
} // namespace

TEST(HostSample, RowsKeepTheirKindsAndWiderCallersGetBlanks)
{
    const HostRun run = RunHost({"--sheet", kSheet, "--caller", "6x5", "QSAMPLE(A1:D4)", "--caller", "3x2",
                                 "QSAMPLE(A1:D4)"});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.lines.size(), 9u);
    for (const auto& row : Table(run.lines, 0, 6)) {
        ASSERT_EQ(row.size(), 5u);
        EXPECT_TRUE(IsDataRow(row, 4)) << row[0];
        EXPECT_EQ(row[4], ""); // beyond the data's columns
    }
    for (const auto& row : Table(run.lines, 6, 3)) {
        ASSERT_EQ(row.size(), 2u);
        EXPECT_TRUE(IsDataRow(row, 2)) << row[0];
    }
    EXPECT_EQ(run.errors, ""); // every coerced array was freed
}

TEST(HostSample, UniqueWithoutWeightsGivesEachRowOnceThenBlanks)
{
    const HostRun run = RunHost({"--sheet", kSheet, "--caller", "6x2", "QSAMPLE(A1:B4,,TRUE)", "--caller", "4x1",
                                 "QSAMPLE(A1:A4,,TRUE)"});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.lines.size(), 10u);
    std::set<std::string> names;
    for (const auto& row : Table(run.lines, 0, 4)) {
        EXPECT_TRUE(IsDataRow(row, 2));
        names.insert(row[0]);
    }
    EXPECT_EQ(names.size(), 4u);
    EXPECT_EQ(run.lines[4], "\t");
    EXPECT_EQ(run.lines[5], "\t");
    std::vector<std::string> permutation(run.lines.begin() + 6, run.lines.end());
    std::sort(permutation.begin(), permutation.end());
    EXPECT_EQ(permutation, (std::vector<std::string>{"four", "one", "three", "two"}));
}

TEST(HostSample, WeightsChooseOnlyWeightedRows)
{
    const HostRun run = RunHost({"--sheet", kSheet, "--caller", "50x1", "QSAMPLE(A1:C4,3)", "--caller", "5x1",
                                 "QSAMPLE(A1:C4,3,TRUE)", "--caller", "1x1", "QSAMPLE(A1:C4,3.9,FALSE)"});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.lines.size(), 56u);
    std::set<std::string> drawn(run.lines.begin(), run.lines.begin() + 50);
    EXPECT_EQ(drawn, (std::set<std::string>{"one", "three"})); // weights 2 and 5; the zeros never
    // Two positive weights, five rows asked: two sampled rows, then blanks.
    std::vector<std::string> unique(run.lines.begin() + 50, run.lines.begin() + 52);
    std::sort(unique.begin(), unique.end());
    EXPECT_EQ(unique, (std::vector<std::string>{"one", "three"}));
    EXPECT_EQ(std::vector<std::string>(run.lines.begin() + 52, run.lines.begin() + 55),
              std::vector<std::string>(3, ""));
    EXPECT_TRUE(run.lines[55] == "one" || run.lines[55] == "three") << run.lines[55];
}

TEST(HostSample, LastColumnIsAValidWeightEvenForShortData)
{
    // One row, four columns: column 4 (TRUE, read as 1) is accepted.
    const HostRun run = RunHost({"--sheet", kSheet, "QSAMPLE(A1:D1,4)", "QSAMPLE(A1:D1,5)"});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0], "one");
    EXPECT_EQ(run.lines[1], "#VALUE!");
}
