// A quest level drawn with the game's own pictures: sharing draw calls changes no pixel, frame
// by frame, through a cascade of bombs with its sparks, plates, chains and falling tiles.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/Globals.h"
#include "effects/Poswiata.h"
#include "effects/TParticle.h"
#include "effects/TSnow.h"
#include "effects/TSopel.h"
#include "match3/QuestAssetsFixture.h"
#include "platform/platform.h"

namespace {

class BoardPixelsTest : public QuestAssetsFixture {
 protected:
  void SetUp() override {
    QuestAssetsFixture::SetUp();
    ASSERT_TRUE(platform::Graphics(800, 600, 0, 60, 0));
    platform::SetAlwaysRender(true);
    ::testing::internal::CaptureStdout();
    TParticle::setup();
    loadSople();
    loadSnowImages();
    Poswiata::setup();
    ::testing::internal::GetCapturedStdout();
  }
  void TearDown() override {
    platform::SetDrawBatching(true);
    globalParticles.clear();
    QuestAssetsFixture::TearDown();
  }

  // The screen after drawing the level and its sparks.
  platform::Pixmap drawn(TLevel& level, bool shareCalls) {
    platform::SetDrawBatching(shareCalls);
    platform::Cls();
    level.draw();
    drawParticles();
    return platform::GrabPixmap(0, 0, 800, 600);
  }

  // Turns three tiles into bombs and sets them off.
  void setOffBombs(TLevel& level) {
    int set = 0;
    for (int tries = 0; tries < 200 && set < 3; ++tries) {
      const auto cell =
          level.tileAt(platform::Rand(1, level.rows - 2), platform::Rand(1, level.cols - 2));
      if (!cell || !cell->available || !cell->td || !cell->state.empty()) continue;
      cell->td = catalog->getBonus(set == 0 ? 105 : 101);
      cell->destroy(0);
      ++set;
    }
  }
};

TEST_F(BoardPixelsTest, ABombCascadeLooksTheSameWhetherPicturesShareCallsOrNot) {
  platform::SeedRnd(11);
  ::testing::internal::CaptureStdout();
  const auto level = manager->loadLevel("data/levels/zestaw1/level05.lvl");
  ::testing::internal::GetCapturedStdout();
  ASSERT_TRUE(level);
  delta = 1.0f;
  int sparkFrames = 0;
  for (int frame = 0; frame < 150; ++frame) {
    if (frame % 40 == 5) setOffBombs(*level);
    level->update();
    updateParticles();
    if (frame % 6 == 0) {
      SCOPED_TRACE("frame " + std::to_string(frame));
      const platform::Pixmap alone = drawn(*level, false);
      const platform::Pixmap shared = drawn(*level, true);
      ASSERT_TRUE(alone && shared);
      int differing = 0;
      for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
          differing += platform::ReadPixel(alone, x, y) != platform::ReadPixel(shared, x, y);
      EXPECT_EQ(differing, 0);
      if (globalParticles.size() > 50) ++sparkFrames;
    }
    platform::Flip(0);
  }
  EXPECT_GT(sparkFrames, 5) << "the bombs made sparks";
}

}  // namespace
