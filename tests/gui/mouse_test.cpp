#include <gtest/gtest.h>

#include "gui/GuiFixture.h"
#include "gui/TMouse.h"

namespace {

using guitest::GuiFixture;

class MouseTest : public GuiFixture {
 protected:
  void sample() {
    mouse->update();
    platform::Flip(-1);
  }
};

TEST_F(MouseTest, AHoldCountsOnlyAfterMoreThan100Ms) {
  // The very first press starts the hold timer; from then on it runs from the last frame
  // the button was up.
  press();
  sample();
  release();
  sample();
  const int lastUp = platform::MilliSecs();
  sample();  // the last frame with the button up
  press();
  int waiting = 0;
  for (int i = 0; i < 12; ++i) {
    const int now = platform::MilliSecs();
    mouse->update();
    EXPECT_EQ(mouse->leftPressed, i == 0 ? 1 : 0);
    EXPECT_EQ(mouse->leftHolded, now - lastUp > 100 ? 1 : 0) << now - lastUp;
    waiting += mouse->leftHolded == 0;
    platform::Flip(-1);
  }
  EXPECT_EQ(waiting, 6);  // 100 ms at 60 frames per second
  release();
  sample();
  EXPECT_EQ(mouse->leftHolded, 0);
  press();
  sample();
  EXPECT_EQ(mouse->leftHolded, 0);  // a new press starts a new wait
}

TEST_F(MouseTest, PositionMotionAndInclusiveRectangles) {
  moveTo(100, 200);
  sample();
  moveTo(130, 190);
  sample();
  EXPECT_EQ(mouse->x, 130);
  EXPECT_EQ(mouse->px, 100);
  EXPECT_EQ(mouse->vx, -30);
  EXPECT_EQ(mouse->vy, 10);
  struct Case {
    float x, y, w, h;
    int inside;
  };
  const Case cases[] = {
      {130, 190, 0, 0, 1}, {100, 150, 30, 40, 1}, {131, 190, 10, 10, 0}, {100, 150, 29, 40, 0}};
  for (const auto& c : cases) EXPECT_EQ(mouse->inRect(c.x, c.y, c.w, c.h), c.inside);
  TDim dim;
  dim.x = 120, dim.y = 180, dim.w = 10, dim.h = 10;
  EXPECT_EQ(mouse->inDim(dim), 1);
}

TEST_F(MouseTest, ClearDropsPendingClicks) {
  press();
  mouse->clear();
  sample();
  EXPECT_EQ(mouse->leftPressed, 0);
  EXPECT_EQ(mouse->leftHolded, 0);
}

TEST_F(MouseTest, CursorsAnimateAndTheLastWithAnIdWins) {
  guitest::writeSheet(dir / "cur.png", 8, 8, 3);
  mouse->loadCursor("hand", dir / "cur.png", 1, 2, 3, 100);
  auto first = mouse->cur;
  ASSERT_TRUE(first && first->_img);
  EXPECT_EQ(first->_maxFrames, 2);
  EXPECT_EQ(platform::ImageWidth(first->_img), 8);
  EXPECT_EQ(platform::ImageXHandle(first->_img), 1);
  mouse->loadCursor("arrow", dir / "cur.png", 0, 0, 1, 0);
  EXPECT_EQ(mouse->cur->_maxFrames, 0);
  mouse->loadCursor("HAND", dir / "cur.png", 0, 0, 1, 0);
  auto second = mouse->cur;
  mouse->setCursor("arrow");
  mouse->setCursor("hand");
  EXPECT_EQ(mouse->cur, second);
  mouse->cur = first;
  int changes = 0, frame = first->_frame;
  for (int i = 0; i < 60; ++i) {  // one second at 100 ms a frame, wrapping after frame 2
    sample();
    EXPECT_LE(first->_frame, 2);
    changes += first->_frame != frame;
    frame = first->_frame;
  }
  EXPECT_GE(changes, 9);
  EXPECT_LE(changes, 10);
}

}  // namespace
