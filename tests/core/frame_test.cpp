#include <gtest/gtest.h>

#include "core/FrameContext.h"
#include "core/Globals.h"
#include "core/TEkran.h"
#include "platform/platform.h"
#include "support/TestScreenContext.h"

namespace {

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::InitHeadless();
    platform::Graphics(800, 600, 0, 60, 0);
  }
  void updateDeltaTime() { context.updateDeltaTime(); }
  testsupport::TestScreenContext context;
};

TEST_F(FrameTest, WarmUpAfterALongLoadGivesOneOrdinaryFrame) {
  for (int i = 0; i < 300; ++i) platform::Flip(-1);  // a long load: five seconds of frames
  updateDeltaTime();
  EXPECT_GT(delta, 100.0f);  // unclamped
  for (int i = 0; i < 51; ++i) updateDeltaTime();
  EXPECT_EQ(delta, 0.0f);
  platform::Flip(-1);
  updateDeltaTime();
  EXPECT_NEAR(delta, 1.0f, 0.05f);
}

TEST_F(FrameTest, FpsCountsFramesOfTheLastSecond) {
  TDeltaTime& timer = context.deltaTime();
  for (int i = 0; i < 130; ++i) {
    platform::Flip(-1);
    updateDeltaTime();
  }
  EXPECT_NEAR(timer.FPS(), 60, 1);
}

struct FadeCase {
  float fade, dFade, speed, frameDelta;
  int steps;
  float expected;
};

TEST(Fade, EasesTowardTheTargetWithoutPassingIt) {
  const FadeCase cases[] = {
      {0.0f, 1.0f, 0.05f, 1.0f, 10, 0.5f},  // half way after ten frames
      {0.0f, 1.0f, 0.05f, 1.0f, 25, 1.0f},  // capped
      {1.0f, 0.0f, 0.05f, 1.0f, 25, 0.0f},  // floored
      {0.0f, 1.0f, 0.05f, 30.0f, 1, 1.0f},  // one huge frame stops at the target
      {0.9f, 0.2f, 0.3f, 1.0f, 3, 0.2f},
  };
  testsupport::TestScreenContext context;
  for (const auto& c : cases) {
    TEkran screen(context);
    screen.fade = c.fade;
    screen.dFade = c.dFade;
    screen.fadeSpeed = c.speed;
    screen.alpha = c.fade;
    screen.dAlpha = c.dFade;
    delta = c.frameDelta;
    for (int i = 0; i < c.steps; ++i) screen._updateFade();
    EXPECT_NEAR(screen.fade, c.expected, 1e-5f) << c.fade << " -> " << c.dFade;
  }
  delta = 1.0f;
}

TEST(Fade, AlphaUsesItsFixedRate) {
  testsupport::TestScreenContext context;
  TEkran screen(context);
  screen.alpha = 1.0f;
  screen.dAlpha = 0.0f;
  screen.fadeSpeed = 0.5f;  // not used for the GUI opacity
  delta = 1.0f;
  for (int i = 0; i < 4; ++i) screen._updateAlpha();
  EXPECT_NEAR(screen.alpha, 0.8f, 1e-5f);
}

}  // namespace
