#include "core/FrameRateController.h"
#include "core/Clock.h"

#include <gtest/gtest.h>

namespace
{
// Time moves only when the code under test sleeps or when the test says the frame's work ran.
class FakeClock : public Clock
{
  public:
    int64_t Now() override
    {
        ++reads;
        return now += spinCostNs;
    }
    void SleepFor(int64_t ns) override
    {
        slept += ns;
        now += ns + oversleepNs;
    }
    int64_t now = 1'000'000'000;
    int64_t slept = 0;
    int64_t oversleepNs = 0;
    int64_t spinCostNs = 1000;
    int reads = 0;
};

constexpr int64_t kMs = 1'000'000;
} // namespace

TEST(FrameRateController, StartsAtOneSixtiethBeforeTheFirstFrame)
{
    FakeClock clock;
    FrameRateController frames(&clock);
    EXPECT_FLOAT_EQ(frames.GetDeltaTime(), 1.0f / 60.0f);
}

TEST(FrameRateController, ShortFrameWaitsOutTheTargetMostlyAsleep)
{
    FakeClock clock;
    FrameRateController frames(&clock);
    frames.SetFrameRate(60);
    frames.StartFrame();
    clock.now += 5 * kMs; // the frame's work
    frames.EndFrame();
    EXPECT_GE(frames.GetDeltaTime(), 1.0f / 60.0f);
    EXPECT_LT(frames.GetDeltaTime(), 1.0f / 60.0f + 0.0002f);
    EXPECT_GT(clock.slept, 10 * kMs) << "most of the wait is a sleep, not a spin";
}

TEST(FrameRateController, LateWakeUpStillEndsTheFrameWithoutAnotherSleep)
{
    FakeClock clock;
    clock.oversleepNs = 3 * kMs;
    FrameRateController frames(&clock);
    frames.StartFrame();
    frames.EndFrame();
    EXPECT_NEAR(frames.GetDeltaTime(), 1.0f / 60.0f + 0.002f, 0.0005f);
}

TEST(FrameRateController, LongFrameIsNeverClampedAndZeroDtIsMeasuredAgain)
{
    FakeClock clock;
    FrameRateController frames(&clock);
    frames.StartFrame();
    clock.now += 500 * kMs;
    frames.SetDeltaTime(0.0f);
    EXPECT_EQ(frames.GetDeltaTime(), 0.0f);
    frames.EndFrame();
    EXPECT_NEAR(frames.GetDeltaTime(), 0.5f, 0.001f);
    EXPECT_EQ(clock.slept, 0);
}

TEST(FrameRateController, FixedStepNeitherWaitsNorMeasures)
{
    FakeClock clock;
    FrameRateController frames(&clock);
    frames.SetFixedDeltaTime(0.01f);
    frames.StartFrame();
    const int readsBefore = clock.reads;
    frames.EndFrame();
    EXPECT_EQ(frames.GetDeltaTime(), 0.01f);
    EXPECT_EQ(clock.reads, readsBefore);
    EXPECT_EQ(clock.slept, 0);
}
