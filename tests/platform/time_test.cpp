// The virtual clock, random numbers and angles.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "platform/Clock.h"
#include "platform/platform.h"

namespace {

using namespace platform;

TEST(TimeTest, VirtualClockMovesExactlyOneSixtiethOfASecondPerFlip) {
  InitHeadless();
  ASSERT_TRUE(IsHeadless());
  const int start = MilliSecs();
  Flip(-1);
  EXPECT_EQ(MilliSecs() - start, 16);
  Flip(-1);
  EXPECT_EQ(MilliSecs() - start, 33);
  for (int i = 2; i < 60; ++i) Flip(-1);
  EXPECT_EQ(MilliSecs() - start, 1000);
  EXPECT_EQ(FrameCount(), 60);
  Delay(250);
  EXPECT_EQ(MilliSecs() - start, 1250);
  for (int i = 0; i < 600; ++i) Flip(0);
  EXPECT_EQ(MilliSecs() - start, 11250) << "no drift over many frames";
}

// Each call is one frame handed to the real-clock pacing at the given time.
TEST(TimeTest, FramePacingSleepsToTheNextTickAndNeverWhenLate) {
  constexpr double kFrame = 1000.0 / 60.0;
  struct Step {
    double now;
    double wait;
    const char* why;
  };
  const Step steps[] = {
      {1000.0, 0.0, "the first frame starts the count"},
      {1005.0, 1000.0 + kFrame - 1005.0, "early: sleeps up to the next tick"},
      {1000.0 + 2 * kFrame, 0.0, "exactly on the tick"},
      {1000.0 + 4 * kFrame, 0.0, "one frame late: shown at once, the count kept"},
      {1000.0 + 4 * kFrame + 2.0, 0.0, "still behind: no sleep"},
      {1000.0 + 4 * kFrame + 5.0, kFrame - 5.0, "caught up: back on the old ticks"},
      {1400.0, 0.0, "far behind: shown at once, no whole-frame sleep"},
      {1401.0, kFrame - 1.0, "counting afresh from the late frame"},
  };
  Clock clock;
  for (const Step& step : steps)
    EXPECT_NEAR(clock.frameWait(step.now), step.wait, 1e-6) << step.why;
}

TEST(RandomTest, RandStaysWithinBothBoundsAndReachesThem) {
  InitHeadless();
  struct Case {
    int low, high, min, max;
  };
  const Case cases[] = {{1, 6, 1, 6}, {6, 1, 1, 6}, {-3, 3, -3, 3}, {5, 5, 5, 5}, {0, 1, 0, 1}};
  for (const Case& c : cases) {
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
      const int v = Rand(c.low, c.high);
      ASSERT_GE(v, c.min) << c.low << ".." << c.high;
      ASSERT_LE(v, c.max) << c.low << ".." << c.high;
      seen.insert(v);
    }
    EXPECT_EQ(int(seen.size()), c.max - c.min + 1) << c.low << ".." << c.high;
  }
}

TEST(RandomTest, RndIsHalfOpen) {
  InitHeadless();
  float lowest = 10, highest = -10;
  for (int i = 0; i < 20000; ++i) {
    const float v = Rnd(0.5f, 1.0f);
    ASSERT_GE(v, 0.5f);
    ASSERT_LT(v, 1.0f);
    lowest = std::min(lowest, v);
    highest = std::max(highest, v);
  }
  EXPECT_LT(lowest, 0.51f);
  EXPECT_GT(highest, 0.99f);
  const float unit = Rnd();
  EXPECT_TRUE(unit >= 0 && unit < 1);
}

TEST(RandomTest, SameSeedSameSequence) {
  InitHeadless();
  auto draw = [] {
    std::vector<int> values;
    for (int i = 0; i < 20; ++i) values.push_back(Rand(0, 1000000));
    return values;
  };
  SeedRnd(42);
  const auto first = draw();
  SeedRnd(42);
  EXPECT_EQ(draw(), first);
  SeedRnd(43);
  EXPECT_NE(draw(), first);
  InitHeadless();
  const auto fresh = draw();
  InitHeadless();
  EXPECT_EQ(draw(), fresh) << "a headless start has a fixed seed";
}

TEST(AngleTest, TrigonometryWorksInDegrees) {
  EXPECT_NEAR(Sin(90), 1.0f, 1e-6);
  EXPECT_NEAR(Cos(180), -1.0f, 1e-6);
  EXPECT_NEAR(Sin(30), 0.5f, 1e-6);
  EXPECT_NEAR(ATan2(1, 1), 45.0f, 1e-4);
  EXPECT_NEAR(ATan2(-1, 0), -90.0f, 1e-4);
}

}  // namespace
