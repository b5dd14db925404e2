#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

#include "commands/distfill/ProgressSchedule.h"
#include "commands/distfill/ProgressTracker.h"

namespace {

TEST(ProgressSchedule, WindowDueOnlyAtStepsEarlyAndAfterOneWholeSecond)
{
    EXPECT_TRUE(ProgressWindowDue(200, 600, 2000));
    EXPECT_FALSE(ProgressWindowDue(200, 599, 100000)) << "599 / 200 is 2: a third is due";
    EXPECT_FALSE(ProgressWindowDue(200, 1000, 1999)) << "one whole second is not more than one";
    EXPECT_FALSE(ProgressWindowDue(199, 100000, 5000));
    EXPECT_FALSE(ProgressWindowDue(201, 100000, 5000));
    EXPECT_FALSE(ProgressWindowDue(0, 100000, 5000));
    EXPECT_TRUE(ProgressWindowDue(400, 1200, 2000));
    EXPECT_FALSE(ProgressWindowDue(400, 1199, 2000));
}

TEST(ProgressSchedule, BarRangeAndPosition)
{
    EXPECT_EQ(BarMaximum(0), 100);
    EXPECT_EQ(BarMaximum(5000), 5000);
    EXPECT_EQ(BarPosition(250, 0), 50);
    EXPECT_EQ(BarPosition(1200, 5000), 1200);
    EXPECT_EQ(BarPosition(6000, 5000), 5000);
    const std::uint64_t huge = 17179869184ull; // every cell of a worksheet
    EXPECT_EQ(BarMaximum(huge), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(BarPosition(huge / 2, huge), std::numeric_limits<std::int32_t>::max() / 2);
    EXPECT_EQ(BarPosition(huge, huge), std::numeric_limits<std::int32_t>::max());
}

TEST(ProgressSchedule, RedrawAtMostEvery500Ms)
{
    CRedrawLimit limit;
    EXPECT_TRUE(limit.Due(1000));
    EXPECT_FALSE(limit.Due(1499));
    EXPECT_TRUE(limit.Due(1500));
    EXPECT_FALSE(limit.Due(1999));
    // The tick counter wraps after 49.7 days.
    CRedrawLimit wrapping;
    EXPECT_TRUE(wrapping.Due(0xFFFFFF00u));
    EXPECT_FALSE(wrapping.Due(0x00000010u));
    EXPECT_TRUE(wrapping.Due(0x00000200u));
}

// A window that records what the tracker tells it.
struct CWindowLog {
    int made = 0;
    int alive = 0;
    std::uint64_t total = 0;
    std::vector<std::uint64_t> updates;
    bool abortAfterUpdate = false;
};

class CFakeWindow : public VProgressWindow {
public:
    explicit CFakeWindow(CWindowLog& log) : m_log(log) { ++m_log.alive; }
    ~CFakeWindow() override { --m_log.alive; }
    void Update(std::uint64_t done) override { m_log.updates.push_back(done); }
    bool IsAborted() const override { return m_log.abortAfterUpdate && !m_log.updates.empty(); }

private:
    CWindowLog& m_log;
};

class ProgressTracker : public ::testing::Test {
protected:
    CProgressTracker MakeTracker()
    {
        return CProgressTracker(
            [this](std::uint64_t total) {
                ++log.made;
                log.total = total;
                return std::make_unique<CFakeWindow>(log);
            },
            [this] { return now; });
    }

    CWindowLog log;
    std::uint64_t now = 50000;
};

TEST_F(ProgressTracker, ShownAtTheFirstDueStepThenUpdatedEveryStep)
{
    CProgressTracker tracker = MakeTracker();
    tracker.Start(10000);
    for (std::uint64_t done = 1; done <= 1000; ++done) {
        now += 3; // 600 ms per 200 values: due first at 800 (2400 ms)
        tracker.Update(done);
        EXPECT_FALSE(tracker.IsAborted());
    }
    EXPECT_EQ(log.made, 1);
    EXPECT_EQ(log.total, 10000u);
    EXPECT_EQ(log.updates, (std::vector<std::uint64_t>{800, 1000}));
    EXPECT_TRUE(tracker.IsShown());
    tracker.End();
    EXPECT_EQ(log.alive, 0) << "End stops and destroys the window";
    EXPECT_FALSE(tracker.IsShown());
}

TEST_F(ProgressTracker, AbortSeenOnlyOnceShownAndEachOutputStartsAfresh)
{
    log.abortAfterUpdate = true;
    CProgressTracker tracker = MakeTracker();
    tracker.Start(1000);
    EXPECT_FALSE(tracker.IsAborted());
    now += 5000;
    tracker.Update(200);
    EXPECT_TRUE(tracker.IsAborted());
    tracker.Start(1000);
    EXPECT_EQ(log.alive, 0) << "a new output stops the old window";
    EXPECT_FALSE(tracker.IsAborted());
}

TEST_F(ProgressTracker, AWindowThatCannotBeMadeIsNotRetried)
{
    int asked = 0;
    CProgressTracker tracker(
        [&asked](std::uint64_t) {
            ++asked;
            return std::unique_ptr<VProgressWindow>();
        },
        [this] { return now; });
    tracker.Start(100000);
    now += 5000;
    tracker.Update(200);
    tracker.Update(400);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(tracker.IsShown());
    EXPECT_FALSE(tracker.IsAborted());
}

TEST_F(ProgressTracker, EscLookedForAtEveryStepAbortsWithOrWithoutAWindow)
{
    int asked = 0;
    CProgressTracker tracker([](std::uint64_t) { return std::unique_ptr<VProgressWindow>(); },
                             [this] { return now; }, [&asked] { return ++asked == 2; });
    tracker.Start(100000);
    for (std::uint64_t done = 1; done < 400; ++done)
        tracker.Update(done);
    EXPECT_EQ(asked, 1) << "once at 200";
    EXPECT_FALSE(tracker.IsAborted());
    tracker.Update(400);
    EXPECT_TRUE(tracker.IsAborted());
    EXPECT_FALSE(tracker.IsShown());
    tracker.Start(1000);
    EXPECT_FALSE(tracker.IsAborted()) << "the next output starts afresh";
}

TEST_F(ProgressTracker, DestroyingTheTrackerStopsTheWindow)
{
    {
        CProgressTracker tracker = MakeTracker();
        tracker.Start(100000);
        now += 5000;
        tracker.Update(200);
        EXPECT_EQ(log.alive, 1);
    }
    EXPECT_EQ(log.alive, 0);
}

} // namespace
