// Time, elapsed time and the counted pause on the scripted counter (one
// tick per microsecond, moved only by the test and by Sleep).

#include "tests/framework/FrameworkFixture.h"

namespace ondrel::testing {
namespace {

using namespace ondrel::framework;

using TimerAndPause = FrameworkFixture;

TEST_F(TimerAndPause, StoppedSpanIsLeftOutOfAbsoluteTime) {
    FrameTimer& timer = GetGlobalTimer();
    timer.Reset();
    platform_.AdvanceTime(2000);
    EXPECT_DOUBLE_EQ(timer.AbsoluteTime(), 2.0);
    timer.Stop();
    platform_.AdvanceTime(5000);
    EXPECT_DOUBLE_EQ(timer.AbsoluteTime(), 2.0);
    EXPECT_DOUBLE_EQ(timer.ElapsedTime(), 0.0);
    timer.Start();
    platform_.AdvanceTime(250);
    EXPECT_DOUBLE_EQ(timer.AbsoluteTime(), 2.25);
    EXPECT_DOUBLE_EQ(timer.ElapsedTime(), 0.25);
    EXPECT_DOUBLE_EQ(timer.CounterTime(), 7.25);
}

// The scripted counter reads 0 at the start: stopping there must still
// freeze time.
TEST_F(TimerAndPause, StoppingAtCounterZeroFreezesTime) {
    FrameTimer& timer = GetGlobalTimer();
    timer.Reset();
    timer.Stop();
    platform_.AdvanceTime(3000);
    EXPECT_DOUBLE_EQ(timer.AbsoluteTime(), 0.0);
    timer.Start();
    EXPECT_DOUBLE_EQ(timer.AbsoluteTime(), 0.0);
}

TEST_F(TimerAndPause, PauseIsCountedAndNeverBelowZero) {
    GetGlobalTimer().Reset();
    Pause(true, true);
    Pause(true, false);  // a false always decrements: rendering resumes
    EXPECT_TRUE(IsTimePaused());
    EXPECT_FALSE(IsRenderingPaused());
    Pause(false, false);
    EXPECT_TRUE(IsTimePaused());
    Pause(false, false);
    Pause(false, false);
    EXPECT_EQ(State().Get(&StateFields::pauseTimeCount), 0);
    EXPECT_EQ(State().Get(&StateFields::pauseRenderingCount), 0);
    // Time-only pause then resume: both counts back at 0, timer running.
    Pause(true, false);
    platform_.AdvanceTime(1000);
    Pause(false, false);
    EXPECT_FALSE(IsTimePaused());
    EXPECT_FALSE(GetGlobalTimer().Stopped());
    EXPECT_DOUBLE_EQ(GetGlobalTimer().AbsoluteTime(), 0.0);
}

TEST_F(TimerAndPause, CommandLineConstantFrameTimeWinsOverTheApplication) {
    platform::SetCommandLineForTesting(u"viewer.exe -constantframetime");
    ParseCommandLine();
    SetConstantFrameTime(false, 0.5f);
    EXPECT_TRUE(State().Get(&StateFields::constantFrameTime));
    EXPECT_FLOAT_EQ(State().Get(&StateFields::timePerFrame), 0.0333f);
}

}  // namespace
}  // namespace ondrel::testing
