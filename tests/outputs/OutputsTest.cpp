// Seeded runs whose whole output, byte for byte, is kept in an expected
// file beside the script: the worksheet functions' cells and one run of
// each command (cells, clipboard bytes, the files written). The 64-bit and
// the 32-bit DLL play the same scripts against the same files, so a seeded
// number, a message or a clipboard byte that differs between the builds
// fails one of them.
#include "tests/support/ExcelScript.h"

#include <fstream>
#include <sstream>

namespace {

std::string Source(const std::string& path)
{
    return STOCHAL_SOURCE_DIR "/tests/" + path;
}

std::string FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The output with each path to the DLL's folder cut to the file's name, so
// that builds in different folders compare with one file.
std::string WithoutFolders(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::string line : lines) {
        for (const std::string name : {"\\Stochal.dll", "\\StochalHelp.chm"}) {
            for (std::size_t at = line.find(name); at != std::string::npos; at = line.find(name, at)) {
                const std::size_t field = line.rfind('\t', at);
                const std::size_t start = field == std::string::npos ? 0 : field + 1;
                line.erase(start, at + 1 - start);
                at = start + name.size() - 1;
            }
        }
        text += line + "\n";
    }
    return text;
}

class SeededOutputs : public ExcelScriptTest {
protected:
    static void ExpectSeededOutput(const std::string& script, const std::string& expected)
    {
        const HostRun run = PlayFile(Source(script));
        EXPECT_EQ(WithoutFolders(run.lines), FileBytes(Source(expected))) << run.errors;
    }
    // The same for a script whose "%WORK%\\NAME" is the file NAME in the
    // test's work folder (the wizard takes only a full path): it plays from
    // there.
    static void ExpectSeededOutputWritingFiles(const std::string& script, const std::string& expected)
    {
        std::string steps = FileBytes(Source(script));
        const std::string token = "%WORK%\\";
        for (std::size_t at = steps.find(token); at != std::string::npos; at = steps.find(token, at)) {
            const std::size_t end = steps.find('\n', at);
            const std::string path = WorkPath(steps.substr(at + token.size(), end - at - token.size()));
            steps.replace(at, end - at, path);
            at += path.size();
        }
        const HostRun run = Play("seeded", steps);
        EXPECT_EQ(WithoutFolders(run.lines), FileBytes(Source(expected))) << run.errors;
    }
};

TEST_F(SeededOutputs, WorksheetFunctionsRegisteredAndCalculated)
{
    ExpectSeededOutput("worksheet/scripts/functions.script", "worksheet/scripts/functions.expected");
}

TEST_F(SeededOutputs, RandomFillCells)
{
    ExpectSeededOutput("commands/fill/scripts/seeded.txt", "commands/fill/scripts/seeded.expected");
}

TEST_F(SeededOutputs, RandomSampleClipboard)
{
    ExpectSeededOutput("commands/samplesort/scripts/sample-seeded.txt",
                       "commands/samplesort/scripts/sample-seeded.expected");
}

TEST_F(SeededOutputs, RandomSortClipboard)
{
    ExpectSeededOutput("commands/samplesort/scripts/sort-seeded.txt",
                       "commands/samplesort/scripts/sort-seeded.expected");
}

TEST_F(SeededOutputs, FillFromDistributionFilesAndClipboard)
{
    ExpectSeededOutputWritingFiles("commands/distfill/scripts/seeded.txt", "commands/distfill/scripts/seeded.expected");
    EXPECT_EQ(ReadWorkFile("poisson.txt"), FileBytes(Source("commands/distfill/scripts/poisson.expected")));
    EXPECT_EQ(ReadWorkFile("normal.txt"), FileBytes(Source("commands/distfill/scripts/normal.expected")));
}

} // namespace
