#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tree/DecorationFactory.h"
#include "tree/TBombkaData.h"
#include "tree/TOzdobkaData.h"
#include "tree/TreeFixture.h"

namespace {

using treetest::solidImage;

class DecorationTest : public treetest::TreeFixture {
 protected:
  template <class T>
  std::shared_ptr<T> product(int w, int h, int hx, int hy) {
    auto p = std::make_shared<T>(stage);
    p->gfx = solidImage(w, h);
    p->hx = hx;
    p->hy = hy;
    p->scale = 1.0f;
    return p;
  }
  // One frame of the tree screen for this decoration: the clock moves on, it updates.
  int frame(TElementChoinki& decoration) {
    platform::Flip(-1);
    return decoration.update();
  }
};

TEST_F(DecorationTest, TouchedBaubleSwingsOutFullyThenSettlesWithoutRestarting) {
  auto bauble = createBombka(product<TBombkaData>(20, 20, 10, 0), 300, 300);
  EXPECT_FLOAT_EQ(bauble->rotation(), 0);
  pointAt(300, 305);
  ASSERT_EQ(frame(*bauble), 1);
  pointAt(0, 0);
  std::vector<float> turns;  // the rotation at every change of direction
  float previous = bauble->rotation(), direction = 0;
  int frames = 0;
  while (bauble->per > 0 && frames < 600) {
    frame(*bauble);
    ++frames;
    const float now = bauble->rotation();
    const float d = now - previous;
    if (d != 0 && direction != 0 && (d > 0) != (direction > 0)) turns.push_back(previous);
    if (d != 0) direction = d;
    previous = now;
    if (frames == 3) {
      // Touching it again while it swings changes nothing.
      const float per = bauble->per, target = bauble->dMove;
      pointAt(300, 305);
      frame(*bauble);
      pointAt(0, 0);
      EXPECT_FLOAT_EQ(bauble->per, per);
      EXPECT_FLOAT_EQ(bauble->dMove, target);
      previous = bauble->rotation();
    }
  }
  ASSERT_LT(frames, 600);
  EXPECT_FLOAT_EQ(bauble->rotation(), 0);
  EXPECT_FLOAT_EQ(bauble->speed, 0);
  ASSERT_GE(turns.size(), 3u);
  EXPECT_NEAR(std::fabs(turns[0]), 15.0f, 1e-4f);  // the first swing goes all the way out
  for (size_t i = 1; i < turns.size(); ++i) {
    EXPECT_LT(std::fabs(turns[i]), std::fabs(turns[i - 1])) << i;
    EXPECT_LT(turns[i] * turns[i - 1], 0) << "alternates sides at turn " << i;
  }
}

TEST_F(DecorationTest, StarNeverSwingsButSparklesLikeEveryOrnament) {
  auto data = product<TOzdobkaData>(40, 40, 20, 38);
  data->opis = "GWIAZDA";
  auto star = createOzdobka(data, 458, 100);
  pointAt(458, 90);
  for (int i = 0; i < 150; ++i) {
    frame(*star);
    EXPECT_FLOAT_EQ(star->rotation(), 0);
  }
  // 150 frames are 2.5 s: a sparkle at once, then one every 0.7 to 2 s.
  EXPECT_GE(globalParticles.size(), 2u);
  EXPECT_LE(globalParticles.size(), 4u);

  auto bell = createOzdobka(product<TOzdobkaData>(40, 56, 20, 3), 200, 200);
  pointAt(200, 220);
  frame(*bell);
  pointAt(0, 0);
  frame(*bell);
  EXPECT_NE(bell->rotation(), 0);
}

TEST_F(DecorationTest, LightFirstDimsThenBrightens) {
  auto bulb = std::make_shared<TLampkaData>(stage);
  bulb->gfx = solidImage(16, 24);
  auto light = createLampka(bulb, 100, 100);
  EXPECT_FLOAT_EQ(light->a, 0.5f);
  float lowest = 1, highest = 0;
  for (int i = 0; i < 20; ++i) {
    frame(*light);
    lowest = std::min(lowest, light->a);
  }
  EXPECT_FLOAT_EQ(lowest, 0.3f);
  EXPECT_GE(light->da, 0.8f);
  EXPECT_LE(light->da, 0.9f);
  const float high = light->da;
  for (int i = 0; i < 40; ++i) {
    frame(*light);
    highest = std::max(highest, light->a);
  }
  EXPECT_FLOAT_EQ(highest, high);
  EXPECT_LT(light->da, 0.2f + 1e-6f);  // and heads down again
}

TEST_F(DecorationTest, PositionTextIsTheSavedTreesForm) {
  auto bauble = createBombka(product<TBombkaData>(20, 20, 10, 0), 345, 210);
  EXPECT_EQ(bauble->getPosString(), "345.000000 210.000000");
  auto chain = createLancuch(product<TLancuchData>(10, 10, 0, 0), 100, 100.5f, 175, 99);
  EXPECT_EQ(chain->getPosString(), "100.000000 100.500000 175.000000 99.0000000");
}

TEST_F(DecorationTest, ChainReportsThePointerOnItsLinksAndNeverSwings) {
  auto chain = createLancuch(product<TLancuchData>(10, 10, 0, 0), 100, 100, 175, 100);
  pointAt(175, 100);
  testing::internal::CaptureStdout();
  EXPECT_EQ(frame(*chain), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "OVER\n");
  EXPECT_FLOAT_EQ(chain->per, 0);
  pointAt(137, 60);
  EXPECT_EQ(frame(*chain), 0);
}

TEST_F(DecorationTest, DecorationWithoutAProductIsHarmless) {
  pointAt(10, 10);
  std::vector<std::shared_ptr<TElementChoinki>> all = {
      createBombka(nullptr, 10, 10), createOzdobka(nullptr, 10, 10), createLampka(nullptr, 10, 10),
      createDekor(nullptr, 10, 10), createLancuch(nullptr, 10, 10, 20, 20)};
  for (auto& d : all) {
    EXPECT_EQ(frame(*d), 0);
    d->draw();
    d->drawM(3, 3);
  }
  for (const auto& layer : zbuffer.layers) EXPECT_TRUE(layer.empty());
  EXPECT_TRUE(globalParticles.empty());
}

}  // namespace
