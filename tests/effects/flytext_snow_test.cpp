#include <cmath>

#include "effects/EffectsFixture.h"
#include "gui/FntBuilder.h"
#include "platform/strings.h"

namespace {

class FlyTextTest : public EffectsTest {
 protected:
  void SetUp() override {
    EffectsTest::SetUp();
    FntBuilder b;
    b.infoBytes = {0, 0, 0, 1, 0, 0};  // one pixel between letters
    b.glyphs = {{'A', 0, 0, 8, 10, 0, 0, 10}, {'B', 8, 0, 7, 10, 0, 0, 7}};
    std::vector<uint8_t> bytes = b.bytes();
    font = std::make_shared<TBMFont>();
    font->LoadFromBytes(bytes.data(), bytes.size(), "", false);
  }
  void frame() {
    updateFlyTexts();
    platform::Flip();
  }
  std::shared_ptr<TBMFont> font;
};

TEST_F(FlyTextTest, SentBackMidwayContinuesAlongTheReversedCurve) {
  auto fly = addFlyText("A", font);
  EXPECT_TRUE(fly->state.empty());
  // From (100, 100) to (300, 100) over (200, 0).
  fly->start(100, 100, 300, 100, 200, 0, 0);
  for (int f = 0; f < 25; ++f) frame();
  ASSERT_TRUE(platform::SameText(fly->state, "START"));
  float per = fly->per;
  EXPECT_NEAR(per, 0.5f, 1e-4f);
  fly->getBack(0);
  EXPECT_EQ(fly->per, per);
  frame();
  // Reversed: x = 300 - 200 t, y = 100 - 200 t + 200 t^2.
  float t = fly->per;
  EXPECT_NEAR(t, per + 0.03f, 1e-5f);
  EXPECT_NEAR(fly->x, 300 - 200 * t, 1e-3f);
  EXPECT_NEAR(fly->y, 100 - 200 * t + 200 * t * t, 1e-3f);
  int frames = 1;
  while (flyTexts.contains(fly.get()) && frames < 100) {
    frame();
    ++frames;
  }
  EXPECT_EQ(frames, 17);  // (1 - 0.5) / 0.03 frames, rounded up
  EXPECT_TRUE(fly->state.empty());
  EXPECT_NEAR(fly->x, 100, 1e-3f);
}

TEST_F(FlyTextTest, SentBackBeforeItsDelayStartsAtTheEndPoint) {
  auto fly = addFlyText("B", font);
  fly->start(100, 100, 300, 100, 200, 0, 1000);
  frame();
  EXPECT_EQ(fly->per, 0.0f);  // still waiting
  fly->getBack(0);
  frame();
  EXPECT_NEAR(fly->x, 300 - 200 * 0.03f, 1e-3f);
  EXPECT_NEAR(fly->per, 0.03f, 1e-6f);
}

TEST_F(FlyTextTest, ArrivesRestsAndTrailsDriftingSparks) {
  auto fly = addFlyText("A", font);
  fly->start(0, 0, 50, 400, 0, 400, 0);
  frame();
  ASSERT_EQ(globalParticles.size(), 1u);
  globalParticles.forEach([&](TParticle& spark) {
    EXPECT_GE(spark.ay, 0.3f);
    EXPECT_LT(spark.ay, 0.5f);
    EXPECT_LE(std::fabs(spark.ax), 0.1f);
    EXPECT_EQ(spark.b, platform::LIGHTBLEND);
    EXPECT_TRUE(spark.n == 2 || spark.n == 3);
    EXPECT_LE(std::fabs(spark.x - fly->x), 15.5f);
  });
  int frames = 1;
  while (!platform::SameText(fly->state, "END") && frames < 100) {
    frame();
    ++frames;
  }
  EXPECT_NEAR(frames, 1 / 0.02f, 1);
  EXPECT_NEAR(fly->x, 50, 1e-3f);
  EXPECT_NEAR(fly->y, 400, 1e-3f);
  size_t sparks = globalParticles.size();
  frame();
  EXPECT_EQ(globalParticles.size(), sparks);  // a resting text throws none
  EXPECT_TRUE(flyTexts.contains(fly.get()));
}

TEST_F(FlyTextTest, TextEndIsTheRightEndOfACentredText) {
  font->HSpacing = 5;
  EXPECT_EQ(TFlyText::textEnd("", 250, 0, font.get(), 1), 250);
  // 10 + 1 + 7 = 18 wide once the extra spacing is cleared.
  EXPECT_EQ(TFlyText::textEnd("AB", 250, 0, font.get(), 1), 259);
  EXPECT_EQ(font->HSpacing, 0);
  EXPECT_EQ(font->Align, 0);
  TFlyText::drawMyText("AB", 10, 10, font.get(), 0);
  EXPECT_EQ(font->Align, -1);
  EXPECT_EQ(TFlyText::textEnd("AB", 250, 0, nullptr, 1), 250);
}

class SnowTest : public EffectsTest {};

TEST_F(SnowTest, DepthIsClampedAndSetsSizeAndSpeed) {
  struct Case {
    float z, depth;
  };
  for (Case c : {Case{10, 25}, Case{200, 130}, Case{60, 60}}) {
    SCOPED_TRACE(c.z);
    auto flake = addSnowFlake(100, 0, c.z, 550);
    EXPECT_EQ(flake->z, c.depth);
    flake->update();
    EXPECT_FLOAT_EQ(flake->y, 25 / c.depth);
    EXPECT_FLOAT_EQ(flake->a, 20 / c.depth * 0.7f);
    EXPECT_FLOAT_EQ(flake->sx, flake->a);
  }
}

TEST_F(SnowTest, FadesOverItsLastHundredPixelsAndEnds) {
  auto flake = addSnowFlake(100, 0, 25, 150);  // falls one pixel a frame
  for (int f = 0; f < 60; ++f) updateSnow();
  EXPECT_FLOAT_EQ(flake->a, 0.56f * (150 - 60) / 100);
  for (int f = 60; f < 149; ++f) updateSnow();
  EXPECT_TRUE(snowFlakes.contains(flake.get()));
  updateSnow();
  EXPECT_FALSE(snowFlakes.contains(flake.get()));
  EXPECT_TRUE(snowFlakes.empty());
}

TEST_F(SnowTest, FarAndNearPassesSplitAtDepthForty) {
  snowImages[1] = whiteDot(32);
  auto nearFlake = addSnowFlake(100, 200, 40, 550);
  auto farFlake = addSnowFlake(300, 200, 41, 550);
  for (auto& f : {nearFlake, farFlake}) f->lax = 0;
  updateSnow();
  clearScreen();
  drawSnowFar();
  EXPECT_FALSE(lit(100, 200));
  EXPECT_TRUE(lit(300, 200));
  clearScreen();
  drawSnowNear();
  EXPECT_TRUE(lit(100, 200));
  EXPECT_FALSE(lit(300, 200));
  EXPECT_EQ(platform::GetBlend(), platform::ALPHABLEND);
}

}  // namespace
