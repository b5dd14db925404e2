#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "tests/support/DataLines.h"

namespace {

std::string Output(int (*command)(const std::vector<std::string>&, std::ostream&), std::vector<std::string> words)
{
    std::ostringstream out;
    EXPECT_EQ(command(words, out), 0);
    return out.str();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

class TempFile {
public:
    explicit TempFile(const std::string& text)
        : m_path((std::filesystem::temp_directory_path() / ("stochal-cli-" + std::to_string(++s_count) + ".txt"))
                     .string())
    {
        std::ofstream(m_path, std::ios::binary) << text;
    }
    ~TempFile() { std::remove(m_path.c_str()); }
    const std::string& Path() const { return m_path; }

private:
    static inline int s_count = 0;
    std::string m_path;
};

TEST(CliUniform, RandWithASeedPrintsTheSeededSequenceExactly)
{
    const std::string expected = "0.9738211021758616\n0.50758258602581918\n0.88694050721824169\n"
                                 "0.68936349358409643\n0.94325460819527507\n0.92878638301044703\n";
    EXPECT_EQ(Output(cli::RunRand, {"--seed", "1", "-n", "6"}), expected);
    EXPECT_EQ(Output(cli::RunRand, {"--seed", "1"}), "0.9738211021758616\n");
    EXPECT_EQ(Output(cli::RunRand, {"-n", "0"}), "");
}

TEST(CliUniform, SeedIsReadAsA32BitValue)
{
    EXPECT_EQ(Output(cli::RunRand, {"--seed", "-1", "-n", "3"}), Output(cli::RunRand, {"--seed", "4294967295", "-n", "3"}));
    EXPECT_EQ(Output(cli::RunRand, {"--seed", "0"}), Output(cli::RunRand, {"--seed", "4357"}));
    EXPECT_THROW(Output(cli::RunRand, {"--seed", "4294967296"}), cli::UsageError);
    EXPECT_THROW(Output(cli::RunRand, {"--seed", "1.5"}), cli::UsageError);
}

TEST(CliUniform, RandBetweenGivesTheDiceOfSeedOne)
{
    EXPECT_EQ(Output(cli::RunRandBetween, {"1", "6", "-n", "10", "--seed", "1"}), "2\n4\n3\n4\n6\n4\n2\n1\n5\n5\n");
    const auto values = Lines(Output(cli::RunRandBetween, {"-3", "-1", "-n", "200", "--seed", "8"}));
    for (const auto& v : values) {
        EXPECT_TRUE(v == "-3" || v == "-2" || v == "-1") << v;
    }
}

TEST(CliRows, SampleWithoutWeightsUsesTheDistributionStream)
{
    TempFile file("a,1\nb,2\nc,3\nd,4\n");
    // Seed 1's first units: 0.97, 0.51, 0.89 -> rows 3, 2, 3 of four.
    EXPECT_EQ(Output(cli::RunSample, {file.Path(), "-n", "3", "--seed", "1"}), "d,4\nc,3\nd,4\n");
    const auto unique = Lines(Output(cli::RunSample, {file.Path(), "-n", "4", "--unique", "--seed", "1"}));
    // Unique: 0.97 * 4 -> d; 0.51 * 3 -> b of {a, b, c}; 0.89 * 2 -> c of {a, c}; then a.
    EXPECT_EQ(unique, (std::vector<std::string>{"d,4", "b,2", "c,3", "a,1"}));
}

TEST(CliRows, SampleByWeightColumnNeverPicksAZeroWeightRowUniquely)
{
    TempFile file("x\t0\ny\t5\nz\t0\n");
    const auto rows = Lines(Output(cli::RunSample, {file.Path(), "-n", "3", "--weights", "2", "--unique", "--seed", "2"}));
    EXPECT_EQ(rows, (std::vector<std::string>{"y\t5"}));
    TempFile quoted("\"a,b\",1\n\"c\"\"d\",0\n");
    EXPECT_EQ(Output(cli::RunSample, {quoted.Path(), "-n", "2", "--weights", "2", "--seed", "3"}),
              "\"a,b\",1\n\"a,b\",1\n");
}

TEST(CliCommands, BadInputIsRefusedBeforeAnyOutput)
{
    TempFile file("a,1\nb,x\n");
    TempFile empty("");
    using Words = std::vector<std::string>;
    const std::pair<int (*)(const Words&, std::ostream&), Words> refused[] = {
        {cli::RunRandBetween, {"5", "5"}}, {cli::RunRandBetween, {"6", "1"}}, {cli::RunRandBetween, {"1", "x"}},
        {cli::RunRandBetween, {"1", "3000000000"}}, {cli::RunRand, {"-n", "-2"}}, {cli::RunRand, {"-n", "abc"}},
        {cli::RunRand, {"-n"}}, {cli::RunRand, {"--bogus"}}, {cli::RunRand, {"7"}},
        {cli::RunSample, {file.Path(), "--weights", "3"}}, {cli::RunSample, {file.Path(), "--weights", "2"}},
        {cli::RunSample, {file.Path(), "--weights", "0"}}, {cli::RunSample, {file.Path(), "-n", "3", "--unique"}},
        {cli::RunSample, {"/no/such/file.csv"}}, {cli::RunSample, {empty.Path()}},
    };
    for (const auto& call : refused) {
        std::ostringstream out;
        EXPECT_THROW(call.first(call.second, out), cli::UsageError) << call.second.back();
        EXPECT_EQ(out.str(), "");
    }
}

// Seeded shuffles and the four sampling routines on one 12-row file, held
// to known answers made from numpy's MT19937 and a transcription of the
// routines (tests/cli/data/known_rows.txt).
TEST(CliRows, SeededRowsGiveTheKnownAnswers)
{
    const std::vector<std::string> lines = ReadDataLines("cli/data/known_rows.txt");
    ASSERT_EQ(lines.size(), 10u);
    const std::vector<std::string> weights = {"1", "0", "2.5", "4", "0", "0.5", "3", "1", "0", "2", "6", "1.5"};
    std::string text;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        text += "r" + std::to_string(i) + "," + weights[i] + "\n";
    }
    const TempFile file(text);
    const std::vector<std::string> rows = Lines(text);
    for (const std::string& line : lines) {
        std::istringstream fields(line);
        std::string command;
        std::string seed;
        fields >> command >> seed;
        std::vector<std::string> words = {file.Path(), "--seed", seed};
        if (command == "sample") {
            std::string count;
            int unique = 0;
            int weighted = 0;
            fields >> count >> unique >> weighted;
            words.insert(words.end(), {"-n", count});
            if (unique) {
                words.push_back("--unique");
            }
            if (weighted) {
                words.insert(words.end(), {"--weights", "2"});
            }
        }
        std::string expected;
        for (std::size_t row = 0; fields >> row;) {
            expected += rows.at(row) + "\n";
        }
        EXPECT_EQ(Output(command == "shuffle" ? cli::RunShuffle : cli::RunSample, words), expected) << line;
    }
}

TEST(CliRows, ShuffleIsAPermutationFixedByTheSeed)
{
    TempFile file("1\n2\n3\n4\n5\n6\n7\n8\n");
    const std::string first = Output(cli::RunShuffle, {file.Path(), "--seed", "11"});
    EXPECT_EQ(first, Output(cli::RunShuffle, {file.Path(), "--seed", "11"}));
    auto rows = Lines(first);
    EXPECT_NE(rows, Lines("1\n2\n3\n4\n5\n6\n7\n8\n"));
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, Lines("1\n2\n3\n4\n5\n6\n7\n8\n"));
}

TEST(CliHelp, EveryCommandHasAUsageText)
{
    for (const cli::Command& command : cli::AllCommands()) {
        EXPECT_NE(std::string(command.usage).find(std::string("stochal ") + command.name), std::string::npos)
            << command.name;
    }
}

} // namespace
