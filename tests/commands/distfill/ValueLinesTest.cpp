#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "commands/distfill/ValueLines.h"
#include "uniform/MersenneTwister.h"
#include "qdists/DistNormal.h"

namespace {

constexpr std::uint32_t kSeed = 99;

std::string ReferenceLines(std::size_t count)
{
    const qdists::CDistNormal normal(0, 1);
    CUnitStream stream{CMersenneTwister(kSeed)};
    std::string text;
    char line[64];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(line, sizeof line, "%1.20g\n", normal.Sample(stream));
        text += line;
    }
    return text;
}

class ValueLines : public ::testing::Test {
protected:
    CProgressTracker Tracker(bool abortable)
    {
        return CProgressTracker(
            [this, abortable](std::uint64_t) -> std::unique_ptr<VProgressWindow> {
                if (!abortable)
                    return nullptr;
                struct CAborting : VProgressWindow {
                    void Update(std::uint64_t) override {}
                    bool IsAborted() const override { return true; }
                };
                return std::make_unique<CAborting>();
            },
            [this] { return m_now += 5000; });
    }

    const qdists::CDistNormal normal{0, 1};
    CUnitStream stream{CMersenneTwister(kSeed)};
    std::uint64_t m_now = 0;
};

TEST_F(ValueLines, AllLinesInLargePieces)
{
    CProgressTracker progress = Tracker(false);
    progress.Start(10000);
    std::string file;
    int pieces = 0;
    EXPECT_TRUE(DrawValueLines(normal, stream, 10000, progress, [&](const std::string& text) {
        ++pieces;
        EXPECT_LE(text.size(), (1u << 16) + 32);
        file += text;
        return true;
    }));
    EXPECT_EQ(file, ReferenceLines(10000));
    EXPECT_GT(pieces, 1);
    EXPECT_LT(pieces, 6);
}

TEST_F(ValueLines, AWriteFailureStopsDrawingAndWriting)
{
    CProgressTracker progress = Tracker(false);
    progress.Start(100000);
    int calls = 0;
    std::size_t lines = 0;
    EXPECT_FALSE(DrawValueLines(normal, stream, 100000, progress, [&](const std::string& text) {
        for (char c : text)
            lines += c == '\n';
        return ++calls < 2;
    }));
    EXPECT_EQ(calls, 2);
    // Nothing was drawn after the failing piece: the stream's next value is
    // the one after that piece's last line.
    const std::string reference = ReferenceLines(lines + 1);
    EXPECT_EQ(normal.Sample(stream), std::stod(reference.substr(reference.rfind('\n', reference.size() - 2) + 1)));
}

TEST_F(ValueLines, AbortHandsOnTheLinesDrawnSoFar)
{
    CProgressTracker progress = Tracker(true);
    progress.Start(100000);
    std::string file;
    EXPECT_TRUE(DrawValueLines(normal, stream, 100000, progress, [&](const std::string& text) {
        file += text;
        return true;
    }));
    EXPECT_EQ(file, ReferenceLines(200));
}

} // namespace
