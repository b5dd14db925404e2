#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "commands/distfill/FillOutputs.h"
#include "uniform/MersenneTwister.h"
#include "qdists/DistNormal.h"
#include "tests/commands/distfill/FakeJob.h"
#include "tests/commands/distfill/MessageWatcher.h"
#include "tests/support/ClipboardBytes.h"

namespace {

constexpr std::uint32_t kSeed = 4711;

// The values the outputs must write, drawn from a stream of its own.
std::vector<double> Expected(const qdists::VDistribution& distribution, std::size_t count)
{
    CUnitStream stream{CMersenneTwister(kSeed)};
    std::vector<double> values;
    for (std::size_t i = 0; i < count; ++i)
        values.push_back(distribution.Sample(stream));
    return values;
}

COutputChoice Method(COutputMethod method)
{
    COutputChoice choice;
    choice.method = method;
    return choice;
}

class FillOutputs : public ::testing::Test {
protected:
    const qdists::CDistNormal normal{10, 2};
    CUnitStream stream{CMersenneTwister(kSeed)};
};

std::vector<double> AllValues(const CFakeJob& job)
{
    std::vector<double> values;
    for (const CWrite& write : job.writes)
        values.insert(values.end(), write.values.begin(), write.values.end());
    return values;
}

// Cells: a selection, a new worksheet from A1 and a single cell row by row
// in one block; an address drawn column by column, in one block too.
TEST_F(FillOutputs, CellOutputsWriteTheirBlocksInOrder)
{
    const struct {
        COutputMethod method;
        int columns, rows; // the new worksheet's from its fields, the others' from the range
        const char* calls;
        std::vector<CCellBlock> blocks;
    } cases[] = {
        {COutputMethod::Selection, 3, 2, "PS ES ", {{0, 0, 2, 3}}},
        {COutputMethod::Selection, 1, 1, "PS ES ", {{0, 0, 1, 1}}},
        {COutputMethod::Address, 2, 2, "PA EA ", {{0, 0, 2, 2}}},
        {COutputMethod::NewWorksheet, 2, 2, "PW EW ", {{0, 0, 2, 2}}},
    };
    for (const auto& c : cases) {
        CUnitStream fresh{CMersenneTwister(kSeed)};
        CFakeJob job;
        COutputChoice choice = Method(c.method);
        choice.text = L"Sheet1!B2:C3";
        if (c.method == COutputMethod::NewWorksheet) {
            choice.columns = c.columns;
            choice.rows = c.rows;
        } else {
            job.columns = c.columns;
            job.rows = c.rows;
        }
        ProduceOutput(job, normal, fresh, nullptr, choice);
        EXPECT_EQ(job.calls, c.calls);
        ASSERT_EQ(job.writes.size(), c.blocks.size()) << c.calls;
        for (std::size_t i = 0; i < c.blocks.size(); ++i) {
            EXPECT_EQ(job.writes[i].kind, c.calls[1]) << c.calls << i;
            EXPECT_EQ(job.writes[i].block, c.blocks[i]) << c.calls << i;
        }
        std::vector<double> expected = Expected(normal, static_cast<std::size_t>(c.columns * c.rows));
        if (c.method == COutputMethod::Address) {
            EXPECT_EQ(job.address, L"Sheet1!B2:C3");
            std::swap(expected[1], expected[2]); // drawn down the columns, written row-major
        }
        EXPECT_EQ(AllValues(job), expected) << c.calls;
        EXPECT_EQ(job.windowsShown, 0);
    }
}

TEST_F(FillOutputs, AbortWritesExactlyTheValuesDrawn)
{
    // The window shows at 200 values (the clock runs 5 s a look) and reads
    // Abort after its first update: 200 values in all.
    CFakeJob job(1);
    job.columns = 7;
    job.rows = 1000;
    ProduceOutput(job, normal, stream, nullptr, Method(COutputMethod::Selection));
    EXPECT_EQ(job.windowsShown, 1);
    const std::vector<double> written = AllValues(job);
    EXPECT_EQ(written, Expected(normal, 200));
    // 28 whole rows and 4 cells of the 29th.
    ASSERT_EQ(job.writes.size(), 2u);
    EXPECT_EQ(job.writes[0].block, (CCellBlock{0, 0, 28, 7}));
    EXPECT_EQ(job.writes[1].block, (CCellBlock{28, 0, 1, 4}));
    EXPECT_EQ(job.calls, "PS ES ");
}

TEST_F(FillOutputs, AbortOfAnAddressWritesThePartColumn)
{
    CFakeJob job(2);
    job.columns = 3;
    job.rows = 300;
    ProduceOutput(job, normal, stream, nullptr, Method(COutputMethod::Address));
    EXPECT_EQ(AllValues(job), Expected(normal, 400));
    ASSERT_EQ(job.writes.size(), 2u);
    EXPECT_EQ(job.writes[0].block, (CCellBlock{0, 0, 300, 1}));
    EXPECT_EQ(job.writes[1].block, (CCellBlock{0, 1, 100, 1}));
}

// ---- text outputs -------------------------------------------------------

std::string Temporary(const char* name)
{
    char directory[MAX_PATH];
    GetTempPathA(MAX_PATH, directory);
    return std::string(directory) + name;
}

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

std::string FileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream input(text);
    for (std::string line; std::getline(input, line);)
        lines.push_back(line);
    return lines;
}

COutputChoice FileChoice(const std::string& path, int count)
{
    COutputChoice choice = Method(COutputMethod::File);
    choice.text = Wide(path);
    choice.count = count;
    return choice;
}

TEST_F(FillOutputs, FileOfOneLineReplacesAnExistingFile)
{
    const std::string path = Temporary("stochal-one.txt");
    std::ofstream(path) << "an older and much longer file\nof two lines\n";
    CFakeJob job;
    ProduceOutput(job, normal, stream, nullptr, FileChoice(path, 1));
    char expected[64];
    std::snprintf(expected, sizeof expected, "%1.20g\n", Expected(normal, 1)[0]);
    EXPECT_EQ(FileText(path), expected);
    std::remove(path.c_str());
}

TEST_F(FillOutputs, FileValuesRoundTripAcrossBufferRefills)
{
    const std::string path = Temporary("stochal-many.txt");
    CFakeJob job;
    ProduceOutput(job, normal, stream, nullptr, FileChoice(path, 20000));
    const std::vector<std::string> lines = Lines(FileText(path));
    const std::vector<double> expected = Expected(normal, 20000);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        ASSERT_EQ(std::stod(lines[i]), expected[i]) << "line " << i + 1;
    std::remove(path.c_str());
}

TEST_F(FillOutputs, AbortedFileKeepsTheLinesWritten)
{
    const std::string path = Temporary("stochal-abort.txt");
    CFakeJob job(1);
    ProduceOutput(job, normal, stream, nullptr, FileChoice(path, 100000));
    EXPECT_EQ(Lines(FileText(path)).size(), 200u);
    std::remove(path.c_str());
}

TEST_F(FillOutputs, FileThatCannotBeCreatedDrawsNothing)
{
    const std::string directory = Temporary("stochal-directory");
    CreateDirectoryA(directory.c_str(), nullptr);
    // A directory, and a place where no file can be made (the process table).
    for (const std::string& path : {directory, std::string("Z:\\proc\\stochal.txt")}) {
        CMessageWatcher watcher;
        CFakeJob job;
        ProduceOutput(job, normal, stream, nullptr, FileChoice(path, 10));
        const std::vector<std::wstring> seen = watcher.Seen();
        ASSERT_EQ(seen.size(), 1u) << path;
        EXPECT_EQ(seen[0].rfind(L"Error: Could not create the file. Error ", 0), 0u) << path;
        EXPECT_EQ(job.windowsShown, 0);
    }
    // Nothing was drawn: the stream is where it started.
    EXPECT_EQ(normal.Sample(stream), Expected(normal, 1)[0]);
    RemoveDirectoryA(directory.c_str());
}

class ClipboardOutput : public FillOutputs {
protected:
    void SetUp() override
    {
        m_owner = CreateWindowW(L"STATIC", L"owner", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_owner, nullptr);
    }
    void TearDown() override { DestroyWindow(m_owner); }

    COutputChoice Choice(int columns, int rows)
    {
        COutputChoice choice = Method(COutputMethod::Clipboard);
        choice.columns = columns;
        choice.rows = rows;
        return choice;
    }

    HWND m_owner = nullptr;
};

TEST_F(ClipboardOutput, ThreeByTwoIsTwoLinesOfThreeWithTheFinalNul)
{
    CFakeJob job;
    ProduceOutput(job, normal, stream, m_owner, Choice(3, 2));
    const std::vector<double> values = Expected(normal, 6);
    char expected[512];
    std::snprintf(expected, sizeof expected, "%1.20g\t%1.20g\t%1.20g\n%1.20g\t%1.20g\t%1.20g\n", values[0], values[1],
                  values[2], values[3], values[4], values[5]);
    const std::string text = ClipboardBytes(CF_TEXT);
    ASSERT_GE(text.size(), std::string(expected).size() + 1);
    EXPECT_EQ(text.substr(0, std::string(expected).size() + 1), std::string(expected) + '\0');
    const std::string wide = ClipboardBytes(CF_UNICODETEXT);
    ASSERT_GE(wide.size(), 2 * (std::string(expected).size() + 1));
    for (std::size_t i = 0; expected[i]; ++i)
        ASSERT_EQ(wide.substr(2 * i, 2), std::string({expected[i], '\0'})) << i;
}

TEST_F(ClipboardOutput, AbortLeavesTheClipboardAsItWas)
{
    CFakeJob before;
    ProduceOutput(before, normal, stream, m_owner, Choice(1, 1));
    const std::string previous = ClipboardBytes(CF_TEXT);
    CFakeJob job(1);
    ProduceOutput(job, normal, stream, m_owner, Choice(10, 1000));
    EXPECT_EQ(job.windowsShown, 1);
    EXPECT_EQ(ClipboardBytes(CF_TEXT), previous);
}

// A text beyond what the process can hold is refused before any value is
// drawn, with its size, and the clipboard keeps what it had.
TEST_F(ClipboardOutput, TooLargeIsRefusedBeforeAnyValueIsDrawn)
{
    CFakeJob before;
    ProduceOutput(before, normal, stream, m_owner, Choice(1, 1));
    const std::string previous = ClipboardBytes(CF_TEXT);
    CUnitStream fresh{CMersenneTwister(kSeed)};
    CMessageWatcher watcher;
    CFakeJob job;
    ProduceOutput(job, normal, fresh, m_owner, Choice(1 << 20, 1 << 20));
    const std::vector<std::wstring> seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], L"Error: Not enough memory to put 1099511627776 values on the clipboard: their text would take "
                       L"up to 29360128 MB. Choose fewer rows or columns, or write the values to a file.");
    EXPECT_EQ(job.windowsShown, 0);
    EXPECT_EQ(normal.Sample(fresh), Expected(normal, 1)[0]);
    EXPECT_EQ(ClipboardBytes(CF_TEXT), previous);
}

} // namespace

namespace {

// Run by CTest under a file size limit of 8 MiB (see CMakeLists.txt), so
// that a write fails part way: the partial file is deleted, the message
// names the failure, and nothing is drawn after the failing write.
TEST_F(FillOutputs, WriteFailureDeletesThePartialFile)
{
    if (!GetEnvironmentVariableA("STOCHAL_FILE_SIZE_LIMITED", nullptr, 0))
        GTEST_SKIP() << "needs the file size limit its CTest entry sets";
    const std::string path = Temporary("stochal-too-big.txt");
    CMessageWatcher watcher;
    CFakeJob job;
    ProduceOutput(job, normal, stream, nullptr, FileChoice(path, 1000000));
    const std::vector<std::wstring> seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].rfind(L"Error: An error occured while writing to the file. Error ", 0), 0u);
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << "the partial file is deleted";
}

} // namespace
