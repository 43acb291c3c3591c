#include <cmath>

#include "effects/EffectsFixture.h"
#include "effects/TSanta.h"

namespace {

class SantaTest : public EffectsTest {};

TEST_F(SantaTest, FliesItsCurveFadingInAndOutThenWaits) {
  TSanta santa;
  santa.reset();
  int wait = santa.time - platform::MilliSecs();
  EXPECT_GE(wait, 7000);
  EXPECT_LE(wait, 10000);
  santa.update();
  EXPECT_EQ(santa.per, 0.0f);  // still waiting
  santa.reset1();
  // Alpha per progress: up over the first fifth, full, down over the last fifth.
  struct Step {
    int frames;
    float alpha;
  };
  int done = 0;
  for (Step s : {Step{33, 0.495f}, Step{134, 1.0f}, Step{300, 0.5f}}) {
    for (; done < s.frames; ++done) santa.update();
    SCOPED_TRACE(s.frames);
    EXPECT_NEAR(santa.a, s.alpha, 0.01f);
  }
  // Heading along the path: from the last step toward (x, y), plus the picture's own tilt.
  float oldX = santa.x, oldY = santa.y;
  santa.update();
  EXPECT_NEAR(santa.rot, platform::ATan2(oldY - santa.y, oldX - santa.x) + 190, 1e-3f);
  for (++done; done < 334; ++done) santa.update();
  EXPECT_EQ(santa.per, 0.0f);  // the flight ended: the next one waits 7 to 10 s
  EXPECT_GE(santa.time - platform::MilliSecs(), 7000);
}

}  // namespace
